#include "texts/help_text.h"

#include "texts/runic_transliteration.h"

namespace kolvar {

const std::array<HelpLine, 30> HelpText = {{
    {HelpLineKind::Heading, "", "Mit mutat a t\xE9rk\xE9p"},
    {HelpLineKind::Paragraph, "",
     "A t\xE9rk\xE9p az eg\xE9sz \xE9gboltot mutatja a megfigyel\xF5 hely\xE9r\xF5l \xE9s idej\xE9"
     "ben: k\xF6z\xE9pen a zenit, a k\xF6r sz\xE9le a l\xE1t\xF3hat\xE1r, \xE9szak fent, kelet balra."},
    {HelpLineKind::Paragraph, "",
     "A csillagok \xE9s a m\xE9ly\xE9g-objektumok kis keresztek, sz\xEDn\xFCk a f\xE9nyess\xE9g\xFCket \xE9s "
     "a sz\xEDn\xFCket mutatja. A Nap \xE9s a Hold korong, a Hold a f\xE1zisa szerint \xE1rny\xE9kolt; "
     "mellett\xFCk a h\xE9t bolyg\xF3. A sz\xFCrke s\xE1v a Tej\xFAt, a k\xF6r\xF6n k\xEDv\xFCli s\xE1rga "
     "\xEDv az ekliptika, a z\xF6ld von\xE1sok a n\xE9gy \xE9gt\xE1j. Jobbra lent a Hold f\xE1zisa "
     "l\xE1tszik."},
    {HelpLineKind::Heading, "", "Az eg\xE9r"},
    {HelpLineKind::Command, "Bal vagy k\xF6z\xE9ps\xF5 gomb",
     "am\xEDg nyomva tartod, a mutat\xF3hoz legk\xF6zelebbi \xE9gitest nevei: balra fent a nevek, jobbra "
     "fent a rov\xE1s\xEDr\xE1sos nevek"},
    {HelpLineKind::Command, "Jobb gomb",
     "a k\xF6zeli \xE9g ablaka a kattintott ir\xE1ny k\xF6r\xFCl; ott a jobb gomb \xFAj k\xF6z\xE9ppontot "
     "v\xE1laszt, az Escape bez\xE1rja"},
    {HelpLineKind::Heading, "", "A men\xFC"},
    {HelpLineKind::Command, "Megfigyel\xF5: Id\xF5",
     "a d\xE1tum, az \xF3ra, az id\xF5z\xF3na, a ny\xE1ri id\xF5sz\xE1m\xEDt\xE1s vagy a Juli\xE1n-nap "
     "be\xE1ll\xEDt\xE1sa"},
    {HelpLineKind::Command, "Megfigyel\xF5: Hely",
     "a sz\xE9less\xE9g \xE9s a hossz\xFAs\xE1g fokban, percben, m\xE1sodpercben, tizedes fokban vagy "
     "v\xE1ros szerint"},
    {HelpLineKind::Command, "Megfigyel\xF5: Keres\xE9s",
     "\xE9gitest keres\xE9se n\xE9v szerint; a tal\xE1lt \xE9gitest nevei \xE9s a felkel\xE9se"},
    {HelpLineKind::Command, "Megfigyel\xF5: Nyomtat\xE1s",
     "az \xE9gbolt pap\xEDrra: el\xF5n\xE9zet, onnan a nyomtat\xF3"},
    {HelpLineKind::Command, "Megfigyel\xF5: Ment\xE9s k\xE9pk\xE9nt",
     "a nyomtatott lap PDF, SVG vagy PNG f\xE1jlba"},
    {HelpLineKind::Command, "Megfigyel\xF5: Kij\xE1rat", "kil\xE9p\xE9s; a be\xE1ll\xEDt\xE1sok ment\xE9se"},
    {HelpLineKind::Command, "Bet\xFBm\xE9ret: N\xF6vel, Zsugor\xEDt",
     "a n\xE9vc\xEDmk\xE9k nagyobb vagy kisebb bet\xFBkkel"},
    {HelpLineKind::Command, "Bet\xFBm\xE9ret: Latin bet\xFBk",
     "a feliratok rov\xE1s\xEDr\xE1s helyett latin bet\xFBkkel"},
    {HelpLineKind::Command, "Id\xF5",
     "l\xE9p\xE9s el\xF5re \xE9s h\xE1tra, l\xE9p\xE9sk\xF6z, most, fut\xF3 \xF3ra, lej\xE1tsz\xE1s"},
    {HelpLineKind::Command, "N\xE9zet",
     "csillagk\xE9pek vonalai \xE9s nevei, c\xEDmk\xE9k, \xE9gt\xE1jak, \xE9jszakai n\xE9zet, nappali "
     "f\xE9ny"},
    {HelpLineKind::Command, "T\xE1j\xE9koztat\xF3", "a program n\xE9vjegye"},
    {HelpLineKind::Command, "Seg\xE9ly", "ez az ablak"},
    {HelpLineKind::Heading, "", "Billenty\xFBk"},
    {HelpLineKind::Key, "F10, Alt", "a men\xFCsor a billenty\xFBzetr\xF5l: nyilak, Enter, Escape"},
    {HelpLineKind::TimeKeys, "", ""},
    {HelpLineKind::ViewKeys, "", ""},
    {HelpLineKind::Key, "Ctrl+F, /", "\xE9gitest keres\xE9se n\xE9v szerint"},
    {HelpLineKind::Key, "Ctrl+P", "nyomtat\xE1s"},
    {HelpLineKind::Key, "Ctrl+S", "ment\xE9s k\xE9pk\xE9nt"},
    {HelpLineKind::Key, "Escape",
     "a k\xF6zeli \xE9g \xE9s a p\xE1rbesz\xE9"
     "dablakok bez\xE1r\xE1sa"},
    {HelpLineKind::Heading, "", "A be\xE1ll\xEDt\xE1sok"},
    {HelpLineKind::Paragraph, "",
     "Az id\xF5z\xF3n\xE1t, a helyet, a bet\xFBm\xE9retet, az \xEDr\xE1sm\xF3"
     "dot, az ablakok m\xE9ret\xE9t \xE9s hely\xE9t a program kil\xE9p\xE9skor ebbe a f\xE1jlba menti, \xE9s "
     "indul\xE1skor innen olvassa:"},
    {HelpLineKind::Path, "", ""},
}};

std::string RunicLine(std::string_view hungarian) {
    return ReverseRunicText(TransliterateToRunes(hungarian, HungarianEncoding::Windows1250));
}

}  // namespace kolvar
