<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>%n map entry(ies)</source>
        <translation>
            <numerusform>%n map entry</numerusform>
            <numerusform>%n map entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s)</source>
        <translation>
            <numerusform>%n bot</numerusform>
            <numerusform>%n bots</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message numerus="yes">
        <source>Pasted %n bot(s).</source>
        <translation>
            <numerusform>Pasted %n bot.</numerusform>
            <numerusform>Pasted %n bots.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n map entry(ies).</source>
        <translation>
            <numerusform>Pasted %n map entry.</numerusform>
            <numerusform>Pasted %n map entries.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bot(s) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n bot did not fit: the list holds at most %1.</numerusform>
            <numerusform>%n bots did not fit: the list holds at most %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n map entry(ies) did not fit: the list holds at most %1.</source>
        <translation>
            <numerusform>%n map entry did not fit: the list holds at most %1.</numerusform>
            <numerusform>%n map entries did not fit: the list holds at most %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n map entry(ies), which belong on the Maps page.</source>
        <translation>
            <numerusform>Left out: %n map entry, which belongs on the Maps page.</numerusform>
            <numerusform>Left out: %n map entries, which belong on the Maps page.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n bot(s), which belong on the Bots page.</source>
        <translation>
            <numerusform>Left out: %n bot, which belongs on the Bots page.</numerusform>
            <numerusform>Left out: %n bots, which belong on the Bots page.</numerusform>
        </translation>
    </message>
</context>
</TS>
