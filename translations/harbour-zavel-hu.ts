<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>ActionBar</name>
    <message>
        <source>Draw</source>
        <translation>Húzok</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Vállalom</translation>
    </message>
    <message>
        <source>Declared</source>
        <translation>Bemondva</translation>
    </message>
    <message>
        <source>Zavél!</source>
        <translation>Zavél!</translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
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
    <message>
        <source>%1 says Zavél!</source>
        <translation>%1 bemondja: Zavél!</translation>
    </message>
    <message>
        <source>%1 draws a card</source>
        <translation>%1 húz egy lapot</translation>
    </message>
    <message>
        <source>%1 draws %2 penalty cards</source>
        <translation>%1 %2 büntetőlapot húz</translation>
    </message>
    <message>
        <source>%1 skips a turn</source>
        <translation>%1 kimarad egy körből</translation>
    </message>
    <message>
        <source>%1 requests %2</source>
        <translation>%1 ezt kéri: %2</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Játékos</translation>
    </message>
    <message>
        <source>AI %1</source>
        <translation>Gép %1</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Zöld</translation>
    </message>
    <message>
        <source>Acorns</source>
        <translation>Makk</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Piros</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Hetes</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Nyolcas</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Kilences</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Tízes</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Alsó</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Felső</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Király</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ász</translation>
    </message>
    <message>
        <source>%1 won the game</source>
        <translation>%1 nyerte a játszmát</translation>
    </message>
    <message>
        <source>Requested suit: %1</source>
        <translation>Kért szín: %1</translation>
    </message>
    <message>
        <source>Requested rank: %1</source>
        <translation>Kért érték: %1</translation>
    </message>
    <message>
        <source>Draw %1 cards</source>
        <translation>Húzz %1 lapot</translation>
    </message>
    <message>
        <source>Skip turn</source>
        <translation>Kimaradás</translation>
    </message>
    <message>
        <source>%1: choose a suit</source>
        <translation>%1 színt választ</translation>
    </message>
    <message>
        <source>%1: choose a rank</source>
        <translation>%1 értéket választ</translation>
    </message>
    <message>
        <source>%1: play a seven or draw %2</source>
        <translation>%1: hetes, vagy %2 lap húzása</translation>
    </message>
    <message>
        <source>%1: play an ace or skip</source>
        <translation>%1: ász, vagy kimaradás</translation>
    </message>
    <message>
        <source>%1 — %2 requested</source>
        <translation>%1 — kérés: %2</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1 jön</translation>
    </message>
    <message>
        <source>Game restored</source>
        <translation>A játszma folytatódik</translation>
    </message>
    <message>
        <source>You forgot Zavél — four penalty cards</source>
        <translation>Elfelejtetted bemondani: Zavél — négy büntetőlap</translation>
    </message>
    <message>
        <source>You drew a card</source>
        <translation>Húztál egy lapot</translation>
    </message>
    <message>
        <source>You drew %1 penalty cards</source>
        <translation>%1 büntetőlapot húztál</translation>
    </message>
    <message>
        <source>You skipped your turn</source>
        <translation>Kimaradtál a körből</translation>
    </message>
    <message>
        <source>Zavél!</source>
        <translation>Zavél!</translation>
    </message>
    <message>
        <source>You requested %1</source>
        <translation>Ezt kérted: %1</translation>
    </message>
    <message>
        <source>Choose the requested suit first</source>
        <translation>Előbb válaszd ki a kért színt</translation>
    </message>
    <message>
        <source>Choose the requested rank first</source>
        <translation>Előbb válaszd ki a kért értéket</translation>
    </message>
    <message>
        <source>Play a Seven or accept the +%1 penalty</source>
        <translation>Tegyél hetest, vagy húzd fel a +%1 lapot</translation>
    </message>
    <message>
        <source>Play an Ace or skip the turn</source>
        <translation>Tegyél ászt, vagy maradj ki a körből</translation>
    </message>
    <message>
        <source>Match the suit or rank of the top card</source>
        <translation>A felső lap színét vagy értékét kell követni</translation>
    </message>
</context>
<context>
    <name>GameTable</name>
    <message>
        <source>New game</source>
        <translation>Új játék</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szünet</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Tempó</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Zavél declared</source>
        <translation>Zavél bemondva</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Szünetel</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>L</source>
        <extracomment>Corner index of the Lower (a face card); one or two letters</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>U</source>
        <extracomment>Corner index of the Upper (a face card); one or two letters</extracomment>
        <translation>F</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>Corner index of the King; one or two letters</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>Corner index of the Ace; one or two letters</extracomment>
        <translation>Á</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Véletlen</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Könnyű</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Közepes</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Nehéz</translation>
    </message>
</context>
<context>
    <name>OpponentSeat</name>
    <message>
        <source>Zavél!</source>
        <translation>Zavél!</translation>
    </message>
    <message>
        <source>Last card!</source>
        <translation>Utolsó lap!</translation>
    </message>
</context>
<context>
    <name>QuickSettings</name>
    <message>
        <source>Pace</source>
        <translation>Tempó</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezár</translation>
    </message>
    <message>
        <source>Computer move delay: %1 s</source>
        <translation>A gép lépései közti szünet: %1 mp</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animációk</translation>
    </message>
    <message>
        <source>Pause the computer players</source>
        <translation>A gépi játékosok megállítása</translation>
    </message>
    <message>
        <source>Sort my hand by suit and rank</source>
        <translation>Lapjaim rendezése szín és érték szerint</translation>
    </message>
</context>
<context>
    <name>RankChooser</name>
    <message>
        <source>Choose a rank</source>
        <translation>Válassz értéket</translation>
    </message>
</context>
<context>
    <name>ResultPanel</name>
    <message>
        <source>New game</source>
        <translation>Új játék</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Játékosok</translation>
    </message>
    <message>
        <source>The new number of players takes effect with the next new game.</source>
        <translation>A játékosok új száma a következő új játéktól érvényes.</translation>
    </message>
    <message>
        <source>New game now</source>
        <translation>Új játék most</translation>
    </message>
    <message>
        <source>Names and strength</source>
        <translation>Nevek és erősség</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>A neved</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Játékos</translation>
    </message>
    <message>
        <source>Computer player %1</source>
        <translation>%1. gépi játékos</translation>
    </message>
    <message>
        <source>AI %1</source>
        <translation>Gép %1</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Tempó</translation>
    </message>
    <message>
        <source>Computer move delay: %1 s</source>
        <translation>A gép lépései közti szünet: %1 mp</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animációk</translation>
    </message>
    <message>
        <source>Pause the computer players</source>
        <translation>A gépi játékosok megállítása</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Megjelenítés</translation>
    </message>
    <message>
        <source>Sort my hand by suit and rank</source>
        <translation>Lapjaim rendezése szín és érték szerint</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>The new language takes effect when the game is started again.</source>
        <translation>Az új nyelv a játék következő indításakor lép életbe.</translation>
    </message>
</context>
<context>
    <name>SuitChooser</name>
    <message>
        <source>Choose a suit</source>
        <translation>Válassz színt</translation>
    </message>
</context>
<context>
    <name>harbour-zavel</name>
    <message>
        <source>Start a new game?</source>
        <translation>Új játékot kezdesz?</translation>
    </message>
    <message>
        <source>The game in progress will be lost.</source>
        <translation>A folyamatban lévő játszma elvész.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Új játék</translation>
    </message>
</context>
</TS>
