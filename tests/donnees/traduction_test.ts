<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Fen_Principale</name>
    <message>
        <source>Votre Pseudo:</source>
        <translation>Your nickname:</translation>
    </message>
</context>
</TS>
