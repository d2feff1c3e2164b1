<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>ActionBar</name>
    <message>
        <source>Draw</source>
        <translation>Húzz</translation>
    </message>
    <message>
        <source>Declared</source>
        <translation>Bemondva</translation>
    </message>
    <message>
        <source>Zavél!</source>
        <translation>Zavél!</translation>
    </message>
    <message>
        <source>Accept: %1</source>
        <translation>Vállald: %1</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Vállald</translation>
    </message>
    <message>
        <source>Hint</source>
        <extracomment>The hint button: one or two characters, a question mark</extracomment>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
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
    <name>FirstRunCard</name>
    <message>
        <source>Welcome to Zavél</source>
        <translation>Üdvözöl a Zavél</translation>
    </message>
    <message>
        <source>Play a card of the same suit or rank as the top card.</source>
        <translation>Tegyél a legfelső lappal azonos színű vagy értékű lapot.</translation>
    </message>
    <message>
        <source>Sevens, Aces, Uppers and Lowers do more: “How to play” tells you what.</source>
        <extracomment>Upper and Lower are card names (Hungarian: felső, alsó); “How to play” is the button below</extracomment>
        <translation>A hetes, az ász, a felső és az alsó többet is tud: hogy mit, azt a „Játékszabályok” gomb mutatja meg.</translation>
    </message>
    <message>
        <source>Holding two cards? Tap Zavél! before you play one, or you draw four.</source>
        <translation>Két lapod maradt? Mielőtt letennéd az egyiket, koppints a Zavél! gombra, különben négy lapot húzol.</translation>
    </message>
    <message>
        <source>The game saves itself after every move.</source>
        <translation>A játék minden lépés után magától ment.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Játékszabályok</translation>
    </message>
    <message>
        <source>Play</source>
        <extracomment>Button that closes the welcome and starts playing</extracomment>
        <translation>Játszom</translation>
    </message>
</context>
<context>
    <name>GameEngine</name>
    <message>
        <source>Bells</source>
        <translation>tök</translation>
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
        <translation>%1 húz %2 büntetőlapot</translation>
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
        <translation>zöld</translation>
    </message>
    <message>
        <source>Acorns</source>
        <translation>makk</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>piros</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>hetes</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>nyolcas</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>kilences</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>tízes</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>alsó</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>felső</translation>
    </message>
    <message>
        <source>King</source>
        <translation>király</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>ász</translation>
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
        <translation>Maradj ki</translation>
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
        <translation>%1: hetes vagy %2 lap húzása</translation>
    </message>
    <message>
        <source>%1: play an ace or skip</source>
        <translation>%1: ász vagy kimaradás</translation>
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
        <translation>A legfelső lap színét vagy értékét kell követni</translation>
    </message>
</context>
<context>
    <name>GameTable</name>
    <message>
        <source>Zavél declared</source>
        <translation>Zavél bemondva</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Szünetel</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Te</translation>
    </message>
</context>
<context>
    <name>Hand</name>
    <message>
        <source>playable</source>
        <translation>kijátszható</translation>
    </message>
</context>
<context>
    <name>HintBubble</name>
    <message>
        <source>You hold two cards. Before you play one, tap Zavél!, or you draw four penalty cards.</source>
        <translation>Két lap van a kezedben. Mielőtt letennéd az egyiket, koppints a Zavél! gombra, különben négy büntetőlapot húzol.</translation>
    </message>
    <message>
        <source>No more hints</source>
        <translation>Elég a tippekből</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Értem</translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>Move log</source>
        <translation>Lépésnapló</translation>
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
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: %1 its rank, %2 its suit (&quot;Ace of Hearts&quot;); the names are those of the suits and ranks</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>Key that picks Bells in the suit chooser: one letter, the first of the suit&apos;s name</extracomment>
        <translation>T</translation>
    </message>
    <message>
        <source>L</source>
        <comment>suit key</comment>
        <extracomment>Key that picks Leaves in the suit chooser: one letter, the first of the suit&apos;s name</extracomment>
        <translation>Z</translation>
    </message>
    <message>
        <source>A</source>
        <comment>suit key</comment>
        <extracomment>Key that picks Acorns in the suit chooser: one letter, the first of the suit&apos;s name</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>Key that picks Hearts in the suit chooser: one letter, the first of the suit&apos;s name</extracomment>
        <translation>P</translation>
    </message>
    <message>
        <source>the %1 of %2</source>
        <extracomment>A card as the object of a sentence (&quot;You play the Ace of Hearts&quot;): %1 its rank as rankObject gives it, %2 its suit</extracomment>
        <translation>a %2 %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>short</comment>
        <extracomment>A card named short on a seat (&quot;played 7 of Hearts&quot;): %1 its rank, a digit or a name, %2 its suit</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Seven</source>
        <comment>object</comment>
        <extracomment>The rank as the object of a sentence, inside a card&apos;s name (&quot;the Seven of Hearts&quot;); Hungarian: hetest</extracomment>
        <translation>hetest</translation>
    </message>
    <message>
        <source>Eight</source>
        <comment>object</comment>
        <translation>nyolcast</translation>
    </message>
    <message>
        <source>Nine</source>
        <comment>object</comment>
        <translation>kilencest</translation>
    </message>
    <message>
        <source>Ten</source>
        <comment>object</comment>
        <translation>tízest</translation>
    </message>
    <message>
        <source>Lower</source>
        <comment>object</comment>
        <translation>alsót</translation>
    </message>
    <message>
        <source>Upper</source>
        <comment>object</comment>
        <translation>felsőt</translation>
    </message>
    <message>
        <source>King</source>
        <comment>object</comment>
        <translation>királyt</translation>
    </message>
    <message>
        <source>Ace</source>
        <comment>object</comment>
        <translation>ászt</translation>
    </message>
    <message>
        <source>a Seven</source>
        <extracomment>The rank asked for after a Lower (&quot;You asked for a Seven&quot;); Hungarian: hetest</extracomment>
        <translation>hetest</translation>
    </message>
    <message>
        <source>an Eight</source>
        <translation>nyolcast</translation>
    </message>
    <message>
        <source>a Nine</source>
        <translation>kilencest</translation>
    </message>
    <message>
        <source>a Ten</source>
        <translation>tízest</translation>
    </message>
    <message>
        <source>a Lower</source>
        <translation>alsót</translation>
    </message>
    <message>
        <source>an Upper</source>
        <translation>felsőt</translation>
    </message>
    <message>
        <source>a King</source>
        <translation>királyt</translation>
    </message>
    <message>
        <source>an Ace</source>
        <translation>ászt</translation>
    </message>
    <message>
        <source>Bells</source>
        <comment>asked for</comment>
        <extracomment>The suit asked for after an Upper (&quot;You asked for Bells&quot;); Hungarian: tököt</extracomment>
        <translation>tököt</translation>
    </message>
    <message>
        <source>Leaves</source>
        <comment>asked for</comment>
        <translation>zöldet</translation>
    </message>
    <message>
        <source>Acorns</source>
        <comment>asked for</comment>
        <translation>makkot</translation>
    </message>
    <message>
        <source>Hearts</source>
        <comment>asked for</comment>
        <translation>pirosat</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Mester</translation>
    </message>
</context>
<context>
    <name>LogPage</name>
    <message>
        <source>Move log</source>
        <translation>Lépésnapló</translation>
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
    <message>
        <source>%1, %2: %3 cards</source>
        <translation>%1, %2: %3 lap</translation>
    </message>
    <message>
        <source>on turn</source>
        <translation>soron van</translation>
    </message>
</context>
<context>
    <name>Overlays</name>
    <message>
        <source>How to play</source>
        <translation>Játékszabályok</translation>
    </message>
    <message>
        <source>Move log</source>
        <translation>Lépésnapló</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statisztika</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
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
<context>
    <name>PaceControls</name>
    <message>
        <source>Computer move delay: %1 s</source>
        <translation>A gép lépései közti szünet: %1 mp</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animációk</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szünet</translation>
    </message>
</context>
<context>
    <name>PageHeader</name>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
</context>
<context>
    <name>PauseBanner</name>
    <message>
        <source>The game is paused</source>
        <translation>A játék szünetel</translation>
    </message>
    <message>
        <source>Tap here to go on</source>
        <translation>Koppints ide a folytatáshoz</translation>
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
        <translation>Bezárás</translation>
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
    <message>
        <source>%1: %2 cards left</source>
        <extracomment>On the result: a seat that did not win and the cards it still holds (&quot;AI 2: 3 cards&quot;)</extracomment>
        <translation>%1: még %2 lap</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statisztika</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The aim and the deal</source>
        <translation>A cél és az osztás</translation>
    </message>
    <message>
        <source>Zavél is a card game for two to four players with a Hungarian deck of 32 cards: four suits, Bells, Leaves, Acorns and Hearts, each with the ranks Seven, Eight, Nine, Ten, Lower, Upper, King and Ace. The aim is to be the first to get rid of all your cards.</source>
        <translation>A Zavél két–négy játékos kártyajátéka 32 lapos magyar kártyával: négy szín, tök, zöld, makk és piros, mindegyikben hetes, nyolcas, kilences, tízes, alsó, felső, király és ász. A cél, hogy elsőként szabadulj meg az összes lapodtól.</translation>
    </message>
    <message>
        <source>You play against one to three computer players. Everyone is dealt five cards. One card is turned face up in the middle of the table: the starting card, which is never a Seven, Lower, Upper or Ace. The cards played later go on top of it, on the discard pile. The rest of the deck lies face down as the talon, the stack you draw from.</source>
        <translation>Egy, két vagy három gépi játékos ellen játszol. Mindenki öt lapot kap. Egy lap képpel felfelé az asztal közepére kerül: ez a kezdőlap, amely sosem hetes, alsó, felső vagy ász. A később kijátszott lapok erre kerülnek, a dobópaklira. A pakli többi része képpel lefelé fekszik: ez a húzópakli, ebből húzol.</translation>
    </message>
    <message>
        <source>You start every new game. The turn then passes from player to player, always in the same order around the table.</source>
        <translation>Minden új játszmát te kezdesz. Utána a játékosok mindig ugyanabban a sorrendben követik egymást az asztal körül.</translation>
    </message>
    <message>
        <source>Playing and drawing</source>
        <translation>Lerakás és húzás</translation>
    </message>
    <message>
        <source>On your turn, play one card that matches the top card of the discard pile in suit or in rank. On the Nine of Leaves, for example, any Leaves card or any Nine may go.</source>
        <translation>Amikor te jössz, tegyél le egy lapot, amely színben vagy értékben megegyezik a dobópakli legfelső lapjával. A zöld kilencesre például bármelyik zöld lap vagy bármelyik kilences mehet.</translation>
    </message>
    <message>
        <source>If none of your cards fits, draw one card from the talon. That ends your turn: the drawn card waits for your next turn, even if it would fit now. You may draw only when you cannot play.</source>
        <translation>Ha egyik lapod sem illik, húzz egy lapot a húzópakliból. Ezzel véget ér a köröd: a húzott lap a következő körödig vár, akkor is, ha most illene. Húzni csak akkor szabad, ha nem tudsz lapot tenni.</translation>
    </message>
    <message>
        <source>The four special cards</source>
        <translation>A négy különleges lap</translation>
    </message>
    <message>
        <source>Sevens, Aces, Uppers and Lowers do more than the other cards. Apart from the Upper, they are played like any other card, on the same suit or rank.</source>
        <translation>A hetes, az ász, a felső és az alsó többet tud a többi lapnál. A felső kivételével ezeket is úgy kell letenni, mint bármely más lapot: azonos színre vagy értékre.</translation>
    </message>
    <message>
        <source>Seven</source>
        <extracomment>The card name: the Seven</extracomment>
        <translation>Hetes</translation>
    </message>
    <message>
        <source>The next player must draw two cards, unless they answer with a Seven of any suit. Sevens stack: each further Seven adds two more cards, and the first player who does not answer draws them all. While this penalty waits, only a Seven may be played.</source>
        <translation>A következő játékosnak két lapot kell húznia, hacsak nem felel rá egy hetessel, bármilyen színűvel. A hetesek összeadódnak: minden újabb hetes két lappal növeli a büntetést, és az első játékos, aki nem felel rá, az összeset felhúzza. Amíg ez a büntetés vár, csak hetest lehet tenni.</translation>
    </message>
    <message>
        <source>Ace</source>
        <extracomment>The card name: the Ace</extracomment>
        <translation>Ász</translation>
    </message>
    <message>
        <source>The next player loses a turn, unless they answer with an Ace of any suit. An answering Ace hands the skip on to the next player; Aces do not add up, so whoever does not answer loses just one turn. While the skip waits, only an Ace may be played.</source>
        <translation>A következő játékos kimarad egy körből, hacsak nem felel rá egy ásszal, bármilyen színűvel. A ráfelelő ász továbbadja a kimaradást a következő játékosnak; az ászok nem adódnak össze, így aki nem felel, csak egy körből marad ki. Amíg a kimaradás vár, csak ászt lehet tenni.</translation>
    </message>
    <message>
        <source>Upper</source>
        <extracomment>The card name: the Upper, a face card of the Hungarian deck (Hungarian: felső)</extracomment>
        <translation>Felső</translation>
    </message>
    <message>
        <source>The Upper goes on any card, whatever its suit or rank, as long as no penalty waits and nothing is requested. After playing it, you request a suit. While a suit is requested, an Upper of any suit may be played too, and its player requests a suit anew.</source>
        <extracomment>Upper and Lower are card names (Hungarian: felső, alsó)</extracomment>
        <translation>A felső bármelyik lapra mehet, színétől és értékétől függetlenül, ha nem vár büntetés, és nincs kérés sem. Miután letetted, kérsz egy színt. Amíg egy szín kérése áll, bármilyen színű felső is tehető, és aki leteszi, új színt kér.</translation>
    </message>
    <message>
        <source>Lower</source>
        <extracomment>The card name: the Lower, a face card of the Hungarian deck (Hungarian: alsó)</extracomment>
        <translation>Alsó</translation>
    </message>
    <message>
        <source>After playing a Lower, you request a rank: any rank, a Seven or an Ace too. While a rank is requested, a Lower of any suit may be played too, and its player requests a rank anew. A requested Seven or Ace works as usual when it is played.</source>
        <extracomment>Lower is a card name (Hungarian: alsó)</extracomment>
        <translation>Miután letettél egy alsót, kérsz egy értéket: bármelyiket, akár hetest vagy ászt is. Amíg egy érték kérése áll, bármilyen színű alsó is tehető, és aki leteszi, új értéket kér. A kért hetes vagy ász a szokásos módon hat, amikor leteszik.</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Kérések</translation>
    </message>
    <message>
        <source>While a suit is requested, only cards of that suit and Uppers fit; while a rank is requested, only cards of that rank and Lowers fit. The top card does not count then.</source>
        <extracomment>Upper and Lower are card names (Hungarian: felső, alsó)</extracomment>
        <translation>Amíg egy szín kérése áll, csak az ilyen színű lapok és a felsők illenek; amíg egy érték kérése áll, csak az ilyen értékű lapok és az alsók. A legfelső lap ilyenkor nem számít.</translation>
    </message>
    <message>
        <source>A request binds every player in turn, you too when the turn comes back to you, until someone plays a card. It survives any number of draws: a player without a fitting card draws one, and the request stands for the next player.</source>
        <translation>A kérés sorban minden játékosra érvényes, rád is, amikor újra te jössz, egészen addig, amíg valaki le nem tesz egy lapot. Akárhány húzás után is megmarad: akinek nincs megfelelő lapja, húz egyet, és a kérés a következő játékosra is áll.</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Büntetések</translation>
    </message>
    <message>
        <source>When a Seven&apos;s penalty or an Ace&apos;s skip waits for you, answer a Seven with a Seven and an Ace with an Ace, or take the penalty with the button that then reads “%1” (with the number of cards waiting) or “%2”.</source>
        <extracomment>%1 and %2 are the texts of the button that takes a penalty, e.g. &quot;Draw 4 cards&quot; and &quot;Skip turn&quot;</extracomment>
        <translation>Ha egy hetes büntetése vagy egy ász kimaradása vár rád, hetesre hetessel, ászra ásszal felelhetsz, vagy vállalhatod a büntetést azzal a gombbal, amelyen ilyenkor „%1” (a rád váró lapok számával), illetve „%2” áll.</translation>
    </message>
    <message>
        <source>A penalty cannot be ignored: you may not draw a single card instead, nor play anything else. You may take it even when you hold a Seven or an Ace. Taking it ends your turn, and the next player goes on as usual.</source>
        <translation>A büntetést nem lehet figyelmen kívül hagyni: helyette nem húzhatsz egyetlen lapot, és mást sem tehetsz le. Akkor is vállalhatod, ha van hetesed vagy ászod. Ha vállalod, véget ér a köröd, és a következő játékos a szokásos módon folytatja.</translation>
    </message>
    <message>
        <source>Zavél!</source>
        <translation>Zavél!</translation>
    </message>
    <message>
        <source>When you hold two cards and are about to play one of them, tap Zavél! first, then play the card. You can say it only on your turn, when you have a card to play.</source>
        <translation>Ha két lap van a kezedben, és az egyiket épp le akarod tenni, előbb koppints a Zavél! gombra, csak utána tedd le a lapot. Csak a saját körödben mondhatod be, amikor van letehető lapod.</translation>
    </message>
    <message>
        <source>If you forget, you draw four penalty cards as you play, fewer if the cards run out, and the card you played still works. Your very last card needs no Zavél. The computer players say it too.</source>
        <translation>Ha elfelejted, a lap letételekor négy büntetőlapot húzol (kevesebbet, ha elfogynak a lapok), a letett lap pedig ugyanúgy hat. Az utolsó lapodat bemondás nélkül teheted le. A gépi játékosok is bemondják.</translation>
    </message>
    <message>
        <source>The reshuffle</source>
        <translation>Újrakeverés</translation>
    </message>
    <message>
        <source>When the talon runs out, the discard pile except its top card is shuffled and becomes the new talon; the top card stays where it is. If no cards are left at all, you draw fewer, or none, and the game goes on.</source>
        <translation>Ha a húzópakli elfogy, a játék a dobópakli lapjait a legfelső kivételével összekeveri, és ezekből lesz az új húzópakli; a legfelső lap a helyén marad. Ha egyáltalán nem maradt lap, kevesebbet húzol, vagy egyet sem, és a játék folytatódik.</translation>
    </message>
    <message>
        <source>Winning</source>
        <translation>Győzelem</translation>
    </message>
    <message>
        <source>The first player to play their last card wins. That last card has no effect: a last Seven makes nobody draw, a last Ace skips nobody, and a last Upper or Lower requests nothing.</source>
        <extracomment>Upper and Lower are card names (Hungarian: felső, alsó)</extracomment>
        <translation>Az nyer, aki elsőként teszi le az utolsó lapját. Ennek az utolsó lapnak nincs hatása: az utolsó hetes miatt senki sem húz, az utolsó ász miatt senki sem marad ki, az utolsó felső vagy alsó pedig nem kér semmit.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Játékszabályok</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Játékosok</translation>
    </message>
    <message>
        <source>New game now</source>
        <translation>Új játék indítása</translation>
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
        <source>Computer player %1</source>
        <translation>%1. gépi játékos</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Tempó</translation>
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
    <message>
        <source>This game has %1 players; the next new game will have %2.</source>
        <translation>Ebben a játszmában %1 játékos van; a következő új játszmában %2 lesz.</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Betűméret</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normál</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Nagy</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Legnagyobb</translation>
    </message>
    <message>
        <source>Hints while I play</source>
        <translation>Tippek játék közben</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Játékszabályok</translation>
    </message>
    <message>
        <source>Tap to select, tap again to play</source>
        <translation>Első koppintás kijelöl, a második kijátssza</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Hangok</translation>
    </message>
</context>
<context>
    <name>StatisticsPage</name>
    <message>
        <source>Won</source>
        <translation>Nyert</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Félbehagyva</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Against %1</source>
        <translation>Ellenfelek: %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statisztika</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Minden játszma</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 játékos</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Játszott</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Nyerési arány</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Sorozat</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Legjobb sorozat</translation>
    </message>
    <message>
        <source>Abandoned games: %1</source>
        <translation>Félbehagyott játszmák: %1</translation>
    </message>
    <message>
        <source>Last games</source>
        <translation>Legutóbbi játszmák</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Még nincs befejezett játszma.</translation>
    </message>
    <message>
        <source>Reset the statistics</source>
        <translation>A statisztika törlése</translation>
    </message>
    <message>
        <source>Reset the statistics?</source>
        <translation>Törlöd a statisztikát?</translation>
    </message>
    <message>
        <source>Every result is deleted. This cannot be undone.</source>
        <translation>Minden eredmény törlődik. Ez nem vonható vissza.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Vesztett</translation>
    </message>
    <message>
        <source>By the strongest opponent</source>
        <translation>A legerősebb ellenfél szerint</translation>
    </message>
    <message>
        <source>%1: %2 played, %3 won, %4</source>
        <translation>%1: %2 játszma, %3 nyert, %4</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Your saved settings and results could not be read: they start afresh, and the damaged file was kept.</source>
        <translation>A mentett beállítások és eredmények nem olvashatók: újrakezdődnek, a sérült fájlt megőriztük.</translation>
    </message>
    <message>
        <source>Settings and results cannot be saved now; they last until the game is closed.</source>
        <translation>A beállítások és az eredmények most nem menthetők; a játék bezárásáig érvényesek.</translation>
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
    <name>TableWords</name>
    <message>
        <source>You won!</source>
        <translation>Nyertél!</translation>
    </message>
    <message>
        <source>%1 won the game</source>
        <translation>%1 nyerte a játszmát</translation>
    </message>
    <message>
        <source>Your turn — choose a suit</source>
        <translation>Te jössz — válassz színt</translation>
    </message>
    <message>
        <source>%1 is choosing a suit</source>
        <translation>%1 színt választ</translation>
    </message>
    <message>
        <source>Your turn — choose a rank</source>
        <translation>Te jössz — válassz értéket</translation>
    </message>
    <message>
        <source>%1 is choosing a rank</source>
        <translation>%1 értéket választ</translation>
    </message>
    <message>
        <source>Your turn — play a Seven or draw %1 cards</source>
        <translation>Te jössz — tegyél hetest, vagy húzz %1 lapot</translation>
    </message>
    <message>
        <source>%1&apos;s turn — a Seven or %2 cards</source>
        <translation>%1 jön — hetes vagy %2 lap</translation>
    </message>
    <message>
        <source>Your turn — play an Ace or skip your turn</source>
        <translation>Te jössz — tegyél ászt, vagy maradj ki</translation>
    </message>
    <message>
        <source>%1&apos;s turn — an Ace or a skip</source>
        <translation>%1 jön — ász vagy kimaradás</translation>
    </message>
    <message>
        <source>Your turn — %1 requested</source>
        <translation>Te jössz — kérés: %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn — %2 requested</source>
        <translation>%1 jön — kérés: %2</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Te jössz</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1 jön</translation>
    </message>
    <message>
        <source>You play %1</source>
        <translation>Lerakod %1</translation>
    </message>
    <message>
        <source>You draw a card</source>
        <translation>Húzol egy lapot</translation>
    </message>
    <message>
        <source>You find no card to draw</source>
        <translation>Nincs több lap, nem tudsz húzni</translation>
    </message>
    <message>
        <source>You draw %1 penalty cards</source>
        <translation>%1 büntetőlapot húzol</translation>
    </message>
    <message>
        <source>You skip your turn</source>
        <translation>Kimaradsz a körből</translation>
    </message>
    <message>
        <source>You asked for %1</source>
        <translation>%1 kértél</translation>
    </message>
    <message>
        <source>You say Zavél!</source>
        <translation>Bemondod: Zavél!</translation>
    </message>
    <message>
        <source>You forgot to say Zavél, so you draw %1 penalty cards</source>
        <translation>Elfelejtetted bemondani a Zavélt, ezért %1 büntetőlapot húzol</translation>
    </message>
    <message>
        <source>You won the game!</source>
        <translation>Megnyerted a játszmát!</translation>
    </message>
    <message>
        <source>%1 plays %2</source>
        <translation>%1 lerakja %2</translation>
    </message>
    <message>
        <source>%1 draws a card</source>
        <translation>%1 húz egy lapot</translation>
    </message>
    <message>
        <source>%1 finds no card to draw</source>
        <translation>%1 nem tud húzni, elfogytak a lapok</translation>
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
        <source>%1 asked for %2</source>
        <translation>%1 %2 kért</translation>
    </message>
    <message>
        <source>%1 says Zavél!</source>
        <translation>%1 bemondja: Zavél!</translation>
    </message>
    <message>
        <source>%1 forgot to say Zavél and draws %2 penalty cards</source>
        <translation>%1 elfelejtette bemondani a Zavélt, ezért %2 büntetőlapot húz</translation>
    </message>
    <message>
        <source>%1 wins the game</source>
        <translation>%1 megnyerte a játszmát</translation>
    </message>
    <message>
        <source>New game with %1 players; the first card is the %2</source>
        <translation>Új játszma, %1 játékos; a kezdőlap: %2</translation>
    </message>
    <message>
        <source>Game resumed where you left it</source>
        <translation>A játszma ott folytatódik, ahol abbahagytad</translation>
    </message>
    <message>
        <source>The talon ran out: the discard pile is shuffled into a new talon</source>
        <translation>Elfogyott a húzópakli: a dobópakli lapjaiból, megkeverve, új húzópakli lesz</translation>
    </message>
    <message>
        <source>Zavél!</source>
        <translation>Zavél!</translation>
    </message>
    <message>
        <source>played %1</source>
        <translation>lerakta: %1</translation>
    </message>
    <message>
        <source>drew a card</source>
        <translation>húzott</translation>
    </message>
    <message>
        <source>found no card</source>
        <translation>nem tudott húzni</translation>
    </message>
    <message>
        <source>drew %1</source>
        <translation>húzott %1 lapot</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>kimaradt</translation>
    </message>
    <message>
        <source>asked for %1</source>
        <translation>%1 kért</translation>
    </message>
    <message>
        <source>forgot Zavél, drew %1</source>
        <translation>elfelejtette a Zavélt, húzott %1 lapot</translation>
    </message>
    <message>
        <source>won!</source>
        <translation>nyert!</translation>
    </message>
    <message>
        <source>you played %1</source>
        <translation>leraktad: %1</translation>
    </message>
    <message>
        <source>you drew a card</source>
        <translation>húztál</translation>
    </message>
    <message>
        <source>you found no card</source>
        <translation>nem tudtál húzni</translation>
    </message>
    <message>
        <source>you drew %1</source>
        <translation>húztál %1 lapot</translation>
    </message>
    <message>
        <source>you skipped</source>
        <translation>kimaradtál</translation>
    </message>
    <message>
        <source>you asked for %1</source>
        <translation>%1 kértél</translation>
    </message>
    <message>
        <source>you forgot Zavél, drew %1</source>
        <translation>elfelejtetted a Zavélt, húztál %1 lapot</translation>
    </message>
    <message>
        <source>you won!</source>
        <translation>nyertél!</translation>
    </message>
</context>
<context>
    <name>Talon</name>
    <message>
        <source>Talon: %1 cards</source>
        <translation>Húzópakli: %1 lap</translation>
    </message>
    <message>
        <source>Draw a card</source>
        <translation>Húzz egy lapot</translation>
    </message>
</context>
<context>
    <name>TextField</name>
    <message>
        <source>No more than %1 characters fit.</source>
        <translation>Legfeljebb %1 karakter fér el.</translation>
    </message>
</context>
<context>
    <name>TopBar</name>
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
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
</context>
</TS>
