<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en_GB">
<context>
    <name>EventBoundary</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result is too large to calculate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation divides by zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation has no valid result.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PayingInSheet</name>
    <message>
        <source>%1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : %2 in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paying In - Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTES AND COINS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHEQUES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>END OF SHEET</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfFallback</name>
    <message>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document was saved as “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Another Place…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was printed. %1

You can save the document as a PDF file instead, and print it later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>The printer “%1” is not accepting documents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer “%1” is stopped, so the document would only wait in its queue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printing service of this computer is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is chosen as the default. Printers set up on this computer: %1. Choose one as the default in the desktop&apos;s printer settings, or with the command “lpoptions -d” followed by its name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The print server “%1” did not answer within %n seconds.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer “%1” cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer did not accept the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file “%1” could not be saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start the document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file on the disk does not hold the whole document</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TillReport</name>
    <message>
        <source>Till Calculator - Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TILL CONTENTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHEQUES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALCULATION OF GRAND TOTAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MISCELLANEOUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>END OF REPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAKINGS CHECK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tillora::AboutWindow</name>
    <message>
        <source>Tillora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tillora banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© 2026 Tillora developers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tillora::CalculatorWindow</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount or the VAT rate is too large to work with. Please check both figures.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tillora::EntryBox</name>
    <message numerus="yes">
        <source>This box is full at %1 characters, so part of what was put into it may be missing.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tillora::MarkupWindow</name>
    <message>
        <source>Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount for Calculation : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current VAT Rate (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markup Percentage :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Selling Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markup Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£%1 + a markup of %2% = a selling price of £%3 - VAT on this item is £%4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tillora::PayingInWindow</name>
    <message>
        <source>Coins in full bags only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes and coins to bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash to bank : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheques to bank : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total paid in : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in till : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paying In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£50 notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£20 notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£10 notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£5 notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£2 coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£1 coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50p coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20p coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10p coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5p coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2p coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1p coins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the till</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The count of %1 is not a whole number of notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The count of %1 is not a whole number of coins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The count of %1 is below zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The till holds more than can be split: at most %1 in all, and %2 pieces a row.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The till holds %1 less than its float: nothing to bank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The float of %1 stays in the till.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The till keeps %1: the float of %2 and %3 that cannot be banked without taking from it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paying-in.pdf</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tillora::TillWindow</name>
    <message>
        <source>Number of 1p coins :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of 2p coins :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of 5p coins :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of 10p coins :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of 20p coins :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of 50p coins :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of £1 coins :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of £2 coins :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of £5 notes :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of £10 notes :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of £20 notes :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of £50 notes :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 pences : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 pences : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 pences : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 pences : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 pences : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 pences : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£1 coins : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£2 coins : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£5 notes : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£10 notes : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£20 notes: £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£50 notes : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLOAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Till Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start VAT Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Markup Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit TLR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>www.tillora.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter this first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Change : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Notes : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Screenshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Till Total : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Cheques : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand Total : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash to Bank : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheques to Bank : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tillora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Float</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This button does nothing. Exit TLR leaves the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report was not printed, because the figures are not up to date.

%1: %2

Please correct this box, then print the report again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>till-report.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>till-window.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click &apos;OK&apos; if you have printed off a report and wish to exit.<byte value="xd"/>
Click &apos;Cancel&apos; to abort the program exit and print off a report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takings Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over / Short : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is too large to calculate with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The totals are worked out once the float is entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This count makes its line total too large to calculate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paying In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the float and the counts in the till first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct this box in the till first: %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This number makes the change total too large to calculate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This number makes the notes total too large to calculate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This number makes the till total too large to calculate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This number makes the cheque total too large to calculate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This number makes the grand total too large to calculate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This number makes the cash to bank too large to calculate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This number makes the over or short too large to calculate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the float</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for usable entries</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tillora::VatCalculatorWindow</name>
    <message>
        <source>Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount for Calculation : £</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current VAT Rate (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add VAT to Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtract VAT from Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total : £%1 + VAT (%2) = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAT Paid: £%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A VAT rate of -100% leaves no net amount to work from. Please check the VAT rate.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
