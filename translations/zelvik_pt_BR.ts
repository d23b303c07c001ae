<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows Zelvik in this language for this run: %1.</source>
        <translation>Mostra o Zelvik neste idioma nesta execução: %1.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Zelvik has no translation into &quot;%1&quot;. Its languages: %2.</source>
        <translation>O Zelvik não tem tradução para “%1”. Idiomas disponíveis: %2.</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Zelvik Player&apos;s Guide</source>
        <translation>Guia do jogador do Zelvik</translation>
    </message>
    <message>
        <source>Player&apos;s Guide</source>
        <translation>Guia do jogador</translation>
    </message>
</context>
</TS>
