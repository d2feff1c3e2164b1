<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>GameEngine</name>
    <message>
        <source>Bells</source>
        <translation>Tök</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Te jössz</translation>
    </message>
</context>
</TS>
