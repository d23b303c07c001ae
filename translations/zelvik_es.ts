<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows Zelvik in this language for this run: %1.</source>
        <translation>Muestra Zelvik en este idioma durante esta ejecución: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Zelvik has no translation into &quot;%1&quot;. Its languages: %2.</source>
        <translation>Zelvik no tiene traducción a «%1». Idiomas disponibles: %2.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Zelvik Player&apos;s Guide</source>
        <translation>Guía del jugador de Zelvik</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Guía del jugador</translation>
    </message>
</context>
</TS>
