<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows Zelvik in this language for this run: %1.</source>
        <translation>Показывает Zelvik на этом языке при этом запуске: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>код</translation>
    </message>
    <message>
        <source>Zelvik has no translation into &quot;%1&quot;. Its languages: %2.</source>
        <translation>У Zelvik нет перевода на «%1». Доступные языки: %2.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Zelvik Player&apos;s Guide</source>
        <translation>Руководство игрока Zelvik</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Руководство игрока</translation>
    </message>
</context>
</TS>
