<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows Zelvik in this language for this run: %1.</source>
        <translation>Affiche Zelvik dans cette langue pour ce lancement : %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Zelvik has no translation into &quot;%1&quot;. Its languages: %2.</source>
        <translation>Zelvik n’a pas de traduction en « %1 ». Langues disponibles : %2.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Zelvik Player&apos;s Guide</source>
        <translation>Guide du joueur de Zelvik</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Guide du joueur</translation>
    </message>
</context>
</TS>
