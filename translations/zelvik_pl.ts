<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows Zelvik in this language for this run: %1.</source>
        <translation>Wyświetla Zelvika w tym języku przy tym uruchomieniu: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>kod</translation>
    </message>
    <message>
        <source>Zelvik has no translation into &quot;%1&quot;. Its languages: %2.</source>
        <translation>Zelvik nie ma tłumaczenia na „%1”. Dostępne języki: %2.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Zelvik Player&apos;s Guide</source>
        <translation>Podręcznik gracza Zelvika</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Podręcznik gracza</translation>
    </message>
</context>
</TS>
