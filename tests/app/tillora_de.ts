<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
<context>
    <name>tillora::TillWindow</name>
    <message>
        <source>Exit TLR</source>
        <translation>TLR beenden</translation>
    </message>
</context>
</TS>
