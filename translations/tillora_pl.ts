<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_GB">
<context>
    <name>EventBoundary</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
    <message>
        <source>The result is too large to calculate.</source>
        <translation>Wynik jest za duży do obliczenia.</translation>
    </message>
    <message>
        <source>The calculation divides by zero.</source>
        <translation>Obliczenie wymaga dzielenia przez zero.</translation>
    </message>
    <message>
        <source>The calculation has no valid result.</source>
        <translation>Obliczenie nie ma poprawnego wyniku.</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>Nie udało się wydrukować dokumentu.</translation>
    </message>
</context>
<context>
    <name>PayingInSheet</name>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2 szt.</translation>
    </message>
    <message>
        <source>%1 : %2 in %3</source>
        <translation>%1: %2 szt. w woreczkach %3</translation>
    </message>
    <message>
        <source>Paying In - Sheet</source>
        <translation>Wpłata do banku – zestawienie</translation>
    </message>
    <message>
        <source>NOTES AND COINS</source>
        <translation>BANKNOTY I MONETY (£)</translation>
    </message>
    <message>
        <source>CHEQUES</source>
        <translation>CZEKI (£)</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>SUMY (£)</translation>
    </message>
    <message>
        <source>END OF SHEET</source>
        <translation>KONIEC ZESTAWIENIA</translation>
    </message>
</context>
<context>
    <name>PdfFallback</name>
    <message>
        <source>Printing</source>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The document was saved as “%1”.</source>
        <translation>Dokument zapisano jako „%1”.</translation>
    </message>
    <message>
        <source>Choose Another Place…</source>
        <translation>Wybierz inne miejsce…</translation>
    </message>
    <message>
        <source>Nothing was printed. %1

You can save the document as a PDF file instead, and print it later.</source>
        <translation>Nic nie zostało wydrukowane. %1

Zamiast tego możesz zapisać dokument jako plik PDF i wydrukować go później.</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Zapisz jako PDF…</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>The printer “%1” is not accepting documents.</source>
        <translation>Drukarka „%1” nie przyjmuje dokumentów.</translation>
    </message>
    <message>
        <source>The printer “%1” is stopped, so the document would only wait in its queue.</source>
        <translation>Drukarka „%1” jest zatrzymana, więc dokument tylko czekałby w jej kolejce.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>Na tym komputerze nie skonfigurowano żadnej drukarki.</translation>
    </message>
    <message>
        <source>The printing service of this computer is not running.</source>
        <translation>Usługa drukowania na tym komputerze nie działa.</translation>
    </message>
    <message>
        <source>No printer is chosen as the default. Printers set up on this computer: %1. Choose one as the default in the desktop&apos;s printer settings, or with the command “lpoptions -d” followed by its name.</source>
        <translation>Żadna drukarka nie jest wybrana jako domyślna. Drukarki skonfigurowane na tym komputerze: %1. Wybierz jedną z nich jako domyślną w ustawieniach drukarek pulpitu albo poleceniem „lpoptions -d” z jej nazwą.</translation>
    </message>
    <message numerus="yes">
        <source>The print server “%1” did not answer within %n seconds.</source>
        <translation>
            <numerusform>Serwer wydruku „%1” nie odpowiedział w ciągu %n sekundy.</numerusform>
            <numerusform>Serwer wydruku „%1” nie odpowiedział w ciągu %n sekund.</numerusform>
            <numerusform>Serwer wydruku „%1” nie odpowiedział w ciągu %n sekund.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer “%1” cannot be used.</source>
        <translation>Nie można użyć drukarki „%1”.</translation>
    </message>
    <message>
        <source>The printer did not accept the document.</source>
        <translation>Drukarka nie przyjęła dokumentu.</translation>
    </message>
    <message>
        <source>The PDF file “%1” could not be saved: %2.</source>
        <translation>Nie udało się zapisać pliku PDF „%1”: %2.</translation>
    </message>
    <message>
        <source>The printer could not start the document.</source>
        <translation>Drukarka nie mogła zacząć drukowania dokumentu.</translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation>Drukarka nie mogła zacząć nowej strony.</translation>
    </message>
    <message>
        <source>The file on the disk does not hold the whole document</source>
        <translation>Plik na dysku nie zawiera całego dokumentu</translation>
    </message>
</context>
<context>
    <name>TillReport</name>
    <message>
        <source>Till Calculator - Report</source>
        <translation>Rozliczenie kasy – raport</translation>
    </message>
    <message>
        <source>TILL CONTENTS</source>
        <translation>ZAWARTOŚĆ KASY</translation>
    </message>
    <message>
        <source>CHEQUES</source>
        <translation>CZEKI (£)</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>SUMY (£)</translation>
    </message>
    <message>
        <source>CALCULATION OF GRAND TOTAL</source>
        <translation>OBLICZENIE SUMY OGÓLNEJ (£)</translation>
    </message>
    <message>
        <source>MISCELLANEOUS</source>
        <translation>RÓŻNE (£)</translation>
    </message>
    <message>
        <source>END OF REPORT</source>
        <translation>KONIEC RAPORTU</translation>
    </message>
    <message>
        <source>TAKINGS CHECK</source>
        <translation>KONTROLA UTARGU (£)</translation>
    </message>
</context>
<context>
    <name>tillora::AboutWindow</name>
    <message>
        <source>Tillora</source>
        <translation>Tillora</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Tillora banner</source>
        <translation>Baner programu Tillora</translation>
    </message>
    <message>
        <source>© 2026 Tillora developers</source>
        <translation>© 2026 Autorzy programu Tillora</translation>
    </message>
</context>
<context>
    <name>tillora::CalculatorWindow</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The amount or the VAT rate is too large to work with. Please check both figures.</source>
        <translation>Kwota lub stawka VAT jest za duża do obliczeń. Sprawdź obie liczby.</translation>
    </message>
</context>
<context>
    <name>tillora::EntryBox</name>
    <message numerus="yes">
        <source>This box is full at %1 characters, so part of what was put into it may be missing.</source>
        <translation>
            <numerusform>To pole mieści najwyżej %1 znak, więc części tego, co do niego wpisano, może brakować.</numerusform>
            <numerusform>To pole mieści najwyżej %1 znaki, więc części tego, co do niego wpisano, może brakować.</numerusform>
            <numerusform>To pole mieści najwyżej %1 znaków, więc części tego, co do niego wpisano, może brakować.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tillora::MarkupWindow</name>
    <message>
        <source>Values</source>
        <translation>Dane</translation>
    </message>
    <message>
        <source>Amount for Calculation : £</source>
        <translation>Kwota do obliczeń (£):</translation>
    </message>
    <message>
        <source>Current VAT Rate (%):</source>
        <translation>Obecna stawka VAT (%):</translation>
    </message>
    <message>
        <source>Markup Percentage :</source>
        <translation>Marża procentowa:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Required Action</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Calculate Selling Price</source>
        <translation>Oblicz cenę sprzedaży</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Markup Program</source>
        <translation>Kalkulator marży</translation>
    </message>
    <message>
        <source>Select One</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>£%1 + a markup of %2% = a selling price of £%3 - VAT on this item is £%4</source>
        <translation>%1&#xa0;£ + marża %2% = cena sprzedaży %3&#xa0;£ – VAT od tego towaru wynosi %4&#xa0;£</translation>
    </message>
</context>
<context>
    <name>tillora::PayingInWindow</name>
    <message>
        <source>Coins in full bags only</source>
        <translation>Tylko pełne woreczki monet</translation>
    </message>
    <message>
        <source>Notes and coins to bank</source>
        <translation>Banknoty i monety do wpłaty</translation>
    </message>
    <message>
        <source>Cash to bank : £</source>
        <translation>Gotówka do wpłaty (£):</translation>
    </message>
    <message>
        <source>Cheques to bank : £</source>
        <translation>Czeki do wpłaty (£):</translation>
    </message>
    <message>
        <source>Total paid in : £</source>
        <translation>Razem wpłata (£):</translation>
    </message>
    <message>
        <source>Kept in till : £</source>
        <translation>Zostaje w kasie (£):</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Paying In</source>
        <translation>Wpłata do banku</translation>
    </message>
    <message>
        <source>£50 notes</source>
        <translation>Banknoty £50</translation>
    </message>
    <message>
        <source>£20 notes</source>
        <translation>Banknoty £20</translation>
    </message>
    <message>
        <source>£10 notes</source>
        <translation>Banknoty £10</translation>
    </message>
    <message>
        <source>£5 notes</source>
        <translation>Banknoty £5</translation>
    </message>
    <message>
        <source>£2 coins</source>
        <translation>Monety £2</translation>
    </message>
    <message>
        <source>£1 coins</source>
        <translation>Monety £1</translation>
    </message>
    <message>
        <source>50p coins</source>
        <translation>Monety 50p</translation>
    </message>
    <message>
        <source>20p coins</source>
        <translation>Monety 20p</translation>
    </message>
    <message>
        <source>10p coins</source>
        <translation>Monety 10p</translation>
    </message>
    <message>
        <source>5p coins</source>
        <translation>Monety 5p</translation>
    </message>
    <message>
        <source>2p coins</source>
        <translation>Monety 2p</translation>
    </message>
    <message>
        <source>1p coins</source>
        <translation>Monety 1p</translation>
    </message>
    <message>
        <source>In the till</source>
        <translation>W kasie</translation>
    </message>
    <message>
        <source>To bank</source>
        <translation>Do wpłaty</translation>
    </message>
    <message>
        <source>Bags</source>
        <translation>Woreczki</translation>
    </message>
    <message>
        <source>Value : £</source>
        <translation>Wartość (£)</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Zostaje</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>The count of %1 is not a whole number of notes.</source>
        <translation>%1: liczba banknotów nie jest całkowita.</translation>
    </message>
    <message>
        <source>The count of %1 is not a whole number of coins.</source>
        <translation>%1: liczba monet nie jest całkowita.</translation>
    </message>
    <message>
        <source>The count of %1 is below zero.</source>
        <translation>%1: liczba jest mniejsza od zera.</translation>
    </message>
    <message numerus="yes">
        <source>The till holds more than can be split: at most %1 in all, and %2 pieces a row.</source>
        <translation>
            <numerusform>W kasie jest więcej, niż da się rozdzielić: najwyżej %1 łącznie i %2 sztuka w wierszu.</numerusform>
            <numerusform>W kasie jest więcej, niż da się rozdzielić: najwyżej %1 łącznie i %2 sztuki w wierszu.</numerusform>
            <numerusform>W kasie jest więcej, niż da się rozdzielić: najwyżej %1 łącznie i %2 sztuk w wierszu.</numerusform>
        </translation>
    </message>
    <message>
        <source>The till holds %1 less than its float: nothing to bank.</source>
        <translation>W kasie jest o %1 mniej niż pogotowie kasowe: nie ma czego wpłacić.</translation>
    </message>
    <message>
        <source>The float of %1 stays in the till.</source>
        <translation>Pogotowie kasowe %1 zostaje w kasie.</translation>
    </message>
    <message>
        <source>The till keeps %1: the float of %2 and %3 that cannot be banked without taking from it.</source>
        <translation>W kasie zostaje %1: pogotowie kasowe %2 oraz %3, których nie da się wpłacić bez uszczuplenia pogotowia.</translation>
    </message>
    <message>
        <source>paying-in.pdf</source>
        <translation>wpłata-do-banku.pdf</translation>
    </message>
</context>
<context>
    <name>tillora::TillWindow</name>
    <message>
        <source>Number of 1p coins :</source>
        <translation>Liczba monet 1p:</translation>
    </message>
    <message>
        <source>Number of 2p coins :</source>
        <translation>Liczba monet 2p:</translation>
    </message>
    <message>
        <source>Number of 5p coins :</source>
        <translation>Liczba monet 5p:</translation>
    </message>
    <message>
        <source>Number of 10p coins :</source>
        <translation>Liczba monet 10p:</translation>
    </message>
    <message>
        <source>Number of 20p coins :</source>
        <translation>Liczba monet 20p:</translation>
    </message>
    <message>
        <source>Number of 50p coins :</source>
        <translation>Liczba monet 50p:</translation>
    </message>
    <message>
        <source>Number of £1 coins :</source>
        <translation>Liczba monet £1:</translation>
    </message>
    <message>
        <source>Number of £2 coins :</source>
        <translation>Liczba monet £2:</translation>
    </message>
    <message>
        <source>Number of £5 notes :</source>
        <translation>Liczba banknotów £5:</translation>
    </message>
    <message>
        <source>Number of £10 notes :</source>
        <translation>Liczba banknotów £10:</translation>
    </message>
    <message>
        <source>Number of £20 notes :</source>
        <translation>Liczba banknotów £20:</translation>
    </message>
    <message>
        <source>Number of £50 notes :</source>
        <translation>Liczba banknotów £50:</translation>
    </message>
    <message>
        <source>1 pences : £</source>
        <translation>Monety 1p:</translation>
    </message>
    <message>
        <source>2 pences : £</source>
        <translation>Monety 2p:</translation>
    </message>
    <message>
        <source>5 pences : £</source>
        <translation>Monety 5p:</translation>
    </message>
    <message>
        <source>10 pences : £</source>
        <translation>Monety 10p:</translation>
    </message>
    <message>
        <source>20 pences : £</source>
        <translation>Monety 20p:</translation>
    </message>
    <message>
        <source>50 pences : £</source>
        <translation>Monety 50p:</translation>
    </message>
    <message>
        <source>£1 coins : £</source>
        <translation>Monety £1:</translation>
    </message>
    <message>
        <source>£2 coins : £</source>
        <translation>Monety £2:</translation>
    </message>
    <message>
        <source>£5 notes : £</source>
        <translation>Banknoty £5:</translation>
    </message>
    <message>
        <source>£10 notes : £</source>
        <translation>Banknoty £10:</translation>
    </message>
    <message>
        <source>£20 notes: £</source>
        <translation>Banknoty £20:</translation>
    </message>
    <message>
        <source>£50 notes : £</source>
        <translation>Banknoty £50:</translation>
    </message>
    <message>
        <source>FLOAT</source>
        <translation>POGOTOWIE KASOWE</translation>
    </message>
    <message>
        <source>Till Contents</source>
        <translation>Zawartość kasy</translation>
    </message>
    <message>
        <source>Cheques</source>
        <translation>Czeki (£)</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data i czas</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Sumy (£)</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>Overall Totals</source>
        <translation>Podsumowanie (£)</translation>
    </message>
    <message>
        <source>Start VAT Calculator</source>
        <translation>Kalkulator VAT</translation>
    </message>
    <message>
        <source>Start Markup Program</source>
        <translation>Kalkulator marży</translation>
    </message>
    <message>
        <source>Exit TLR</source>
        <translation>Zakończ pracę</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>www.tillora.example</source>
        <translation>www.tillora.example</translation>
    </message>
    <message>
        <source>Please enter this first.</source>
        <translation>Wpisz je najpierw.</translation>
    </message>
    <message>
        <source>Cheque %1 £</source>
        <translation>Czek nr %1:</translation>
    </message>
    <message>
        <source>Total Change : £</source>
        <translation>Razem w bilonie:</translation>
    </message>
    <message>
        <source>Total Notes : £</source>
        <translation>W banknotach:</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Time :</source>
        <translation>Czas:</translation>
    </message>
    <message>
        <source>Print Screenshot</source>
        <translation>Drukuj obraz okna</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Drukuj raport</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Wyjdź</translation>
    </message>
    <message>
        <source>Till Total : £</source>
        <translation>Suma w kasie:</translation>
    </message>
    <message>
        <source>Add Cheques : £</source>
        <translation>Plus suma czeków:</translation>
    </message>
    <message>
        <source>Grand Total : £</source>
        <translation>Suma ogólna:</translation>
    </message>
    <message>
        <source>Cash to Bank : £</source>
        <translation>Gotówka do wpłaty:</translation>
    </message>
    <message>
        <source>Cheques to Bank : £</source>
        <translation>Czeki do wpłaty:</translation>
    </message>
    <message>
        <source>Tillora</source>
        <translation>Tillora</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Pogotowie kasowe</translation>
    </message>
    <message>
        <source>Unused button</source>
        <translation>Nieużywany przycisk</translation>
    </message>
    <message>
        <source>This button does nothing. Exit TLR leaves the program.</source>
        <translation>Ten przycisk nic nie robi. Program zamyka przycisk „Zakończ pracę”.</translation>
    </message>
    <message>
        <source>The report was not printed, because the figures are not up to date.

%1: %2

Please correct this box, then print the report again.</source>
        <translation>Raport nie został wydrukowany, bo kwoty nie są aktualne.

%1: %2

Popraw to pole i wydrukuj raport ponownie.</translation>
    </message>
    <message>
        <source>till-report.pdf</source>
        <translation>raport-kasy.pdf</translation>
    </message>
    <message>
        <source>till-window.pdf</source>
        <translation>okno-kasy.pdf</translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Czy na pewno chcesz zakończyć pracę?</translation>
    </message>
    <message>
        <source>Click &apos;OK&apos; if you have printed off a report and wish to exit.<byte value="xd"/>
Click &apos;Cancel&apos; to abort the program exit and print off a report.</source>
        <translation>Kliknij „OK”, jeśli raport jest już wydrukowany i chcesz zakończyć pracę.<byte value="xd"/>
Kliknij „Anuluj”, aby nie kończyć pracy i wydrukować raport.</translation>
    </message>
    <message>
        <source>Takings Check</source>
        <translation>Kontrola utargu (£)</translation>
    </message>
    <message>
        <source>Expected : £</source>
        <translation>Utarg wg kasy:</translation>
    </message>
    <message>
        <source>Over / Short : £</source>
        <translation>Różnica:</translation>
    </message>
    <message>
        <source>Over by %1</source>
        <translation>Nadwyżka: %1</translation>
    </message>
    <message>
        <source>Short by %1</source>
        <translation>Manko: %1</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Kasa się zgadza</translation>
    </message>
    <message>
        <source>“%1” is not a number.</source>
        <translation>„%1” nie jest liczbą.</translation>
    </message>
    <message>
        <source>“%1” is too large to calculate with.</source>
        <translation>„%1” to liczba za duża do obliczeń.</translation>
    </message>
    <message>
        <source>The totals are worked out once the float is entered.</source>
        <translation>Sumy zostaną obliczone po wpisaniu pogotowia kasowego.</translation>
    </message>
    <message>
        <source>This count makes its line total too large to calculate.</source>
        <translation>Przy tej liczbie wartość w tym wierszu jest za duża do obliczenia.</translation>
    </message>
    <message>
        <source>Paying In</source>
        <translation>Wpłata do banku</translation>
    </message>
    <message>
        <source>Type the float and the counts in the till first.</source>
        <translation>Najpierw wpisz w oknie kasy pogotowie kasowe i zawartość kasy.</translation>
    </message>
    <message>
        <source>Correct this box in the till first: %1. %2</source>
        <translation>Najpierw popraw to pole w oknie kasy: %1. %2</translation>
    </message>
    <message>
        <source>This number makes the change total too large to calculate.</source>
        <translation>Przy tej liczbie suma bilonu jest za duża do obliczenia.</translation>
    </message>
    <message>
        <source>This number makes the notes total too large to calculate.</source>
        <translation>Przy tej liczbie suma banknotów jest za duża do obliczenia.</translation>
    </message>
    <message>
        <source>This number makes the till total too large to calculate.</source>
        <translation>Przy tej liczbie suma w kasie jest za duża do obliczenia.</translation>
    </message>
    <message>
        <source>This number makes the cheque total too large to calculate.</source>
        <translation>Przy tej liczbie suma czeków jest za duża do obliczenia.</translation>
    </message>
    <message>
        <source>This number makes the grand total too large to calculate.</source>
        <translation>Przy tej liczbie suma ogólna jest za duża do obliczenia.</translation>
    </message>
    <message>
        <source>This number makes the cash to bank too large to calculate.</source>
        <translation>Przy tej liczbie gotówka do wpłaty jest za duża do obliczenia.</translation>
    </message>
    <message>
        <source>This number makes the over or short too large to calculate.</source>
        <translation>Przy tej liczbie różnica jest za duża do obliczenia.</translation>
    </message>
    <message>
        <source>Waiting for the float</source>
        <translation>Czeka na pogotowie kasowe</translation>
    </message>
    <message>
        <source>Waiting for usable entries</source>
        <translation>Czeka na poprawne wpisy</translation>
    </message>
</context>
<context>
    <name>tillora::VatCalculatorWindow</name>
    <message>
        <source>Values</source>
        <translation>Dane</translation>
    </message>
    <message>
        <source>Amount for Calculation : £</source>
        <translation>Kwota do obliczeń (£):</translation>
    </message>
    <message>
        <source>Current VAT Rate (%):</source>
        <translation>Obecna stawka VAT (%):</translation>
    </message>
    <message>
        <source>Required Action</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Add VAT to Value</source>
        <translation>Dodaj VAT do kwoty</translation>
    </message>
    <message>
        <source>Subtract VAT from Value</source>
        <translation>Wylicz VAT zawarty w kwocie</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>VAT Calculator</source>
        <translation>Kalkulator VAT</translation>
    </message>
    <message>
        <source>Total : £%1 + VAT (%2) = %3</source>
        <translation>Razem: %1&#xa0;£ + VAT (%2) = %3</translation>
    </message>
    <message>
        <source>VAT Paid: £%1</source>
        <translation>Zawarty VAT: %1&#xa0;£</translation>
    </message>
    <message>
        <source>A VAT rate of -100% leaves no net amount to work from. Please check the VAT rate.</source>
        <translation>Przy stawce VAT -100% nie zostaje kwota netto do obliczeń. Sprawdź stawkę VAT.</translation>
    </message>
</context>
</TS>
