<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows Zelvik in this language for this run: %1.</source>
        <translation>Zeigt Zelvik bei diesem Start in dieser Sprache: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Zelvik has no translation into &quot;%1&quot;. Its languages: %2.</source>
        <translation>Zelvik hat keine Übersetzung in „%1“. Vorhandene Sprachen: %2.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Zelvik Player&apos;s Guide</source>
        <translation>Zelvik-Spielerhandbuch</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Spielerhandbuch</translation>
    </message>
</context>
</TS>
