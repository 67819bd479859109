#include "engine/Readings.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

struct SlotText {
    int slot;
    const char* text;
};

// Slots 1-9: personality reading for the life number.
// Slots 11-19: partnership reading, a title and one paragraph joined by CR LF,
// the line break Windows text boxes expect, so the title sits on its own line.
// Kept as data so wording changes never touch the code below.
// Czech typesetting never leaves a one-letter preposition or conjunction at a
// line end, so each is tied to the next word with a no-break space (\u00A0);
// the opening sentences and the titles keep their plain spaces as designed.
// One reading a line, as it reads; the formatter leaves the table alone.
// clang-format off
constexpr SlotText Texts[] = {
    {1,
     "Jednička odkazuje na ego. Jste silná osobnost a\u00A0považujete se za střed světa. Umíte projevit laskavost i\u00A0obětavost, hrozí však, že z\u00A0vás bude klasický egoista, který myslí jen na sebe."},
    {2,
     "Vy se těžko rozhodujete. Uvnitř vás spolu bojují dvě osobnosti. Snadno se necháte ovlivnit, chybí vám sebedůvěra a\u00A0raději zůstáváte stranou dění."},
    {3,
     "Trojka je harmonie, stabilita a pevnost. Za svými názory si stojíte, někdy však až příliš tvrdohlavě."},
    {4,
     "Člověk pod vlivem čísla čtyři je velmi racionální a materialistický. Proto nevěříte ničemu, co přesahuje vaše chápání."},
    {5,
     "Pětka vám dává vůli a touhu. Jste rozený vůdce, který dokáže strhnout ostatní. V\u00A0horším případě se tento dar zvrhne ve snahu manipulovat lidmi."},
    {6,
     "Z šestky přímo vyzařuje harmonie. Jste vyrovnaná osobnost obdařená přirozenou inteligencí. Občas se však z\u00A0vás stává chytrák, který všechno ví nejlépe a\u00A0ke všemu má co říct."},
    {7,
     "Nositelé sedmičky jsou lidé tvůrčí. Proto se nejlépe uplatníte v\u00A0umělecké práci, kde dáte volný průchod své fantazii. Hrozí vám však, že se časem odtrhnete od reality."},
    {8,
     "Kladete velký důraz na společenské postavení. Jste ambiciózní, kariéra je pro vás prvořadá a\u00A0rozhodnost vám nechybí. Své emoce máte pevně pod kontrolou a\u00A0za svými cíli jdete neochvějně, někdy i\u00A0za cenu osobních vztahů."},
    {9,
     "Devítka dokáže k dosažení cílů využít ostatní. Umíte dobře plánovat, ale soustředit se delší dobu nevydržíte. Překypujete energií, bohužel však i\u00A0agresivitou."},
    {11,
     "CHOROBNÁ ŽÁRLIVOST" "\r\n"
     "Jste chorobný žárlivec! Žárlivost vás neopouští ani na okamžik a\u00A0trápí vás i\u00A0tehdy, když k\u00A0ní není sebemenší důvod. Váš protějšek musí neustále snášet vaše výčitky. Jednoho dne toho však bude mít dost a\u00A0vztah se rozpadne."},
    {12,
     "MODRÉ Z NEBE" "\r\n"
     "Uděláte pro svého/svou přítele/přítelkyni všechno. Za lásku budete bojovat s\u00A0kýmkoli a\u00A0žádná oběť vám nepřijde příliš velká."},
    {13,
     "POTŘEBUJETE CHVÁLIT" "\r\n"
     "Záleží vám hodně na tom, aby se vám sex s protějškem líbil a pro to uděláte cokoliv. Na oplátku však potřebujete slyšet chválu a\u00A0cítit, že jste pro partnera vším. Bez uznání rychle ztrácíte sebevědomí a\u00A0začínáte o\u00A0sobě pochybovat"},
    {14,
     "PŘELÉTAVÝ PTÁČEK" "\r\n"
     "Sex sice prvotřídní, ale berete ho spíš jako sportovní výkon, hru soutěž... Dlouhé vztahy vás nelákají. Nejvíc vás baví samotné dobývání, a\u00A0jakmile je kořist ulovena, váš zájem rychle opadá. Opakování vás nudí, a\u00A0tak brzy vyrážíte na další lov."},
    {15,
     "NĚŽNÝ BARBAR" "\r\n"
     "Asi bude trvat dlouho, než se někdo ocitne ve vašich náručích. Nejdřív totiž chcete mít jistotu, že jste ten pravý/ta pravá. V\u00A0běžném životě působíte něžně a\u00A0ohleduplně, ale v\u00A0posteli se z\u00A0vás stává divoch, který překvapí i\u00A0zkušeného milence."},
    {16,
     "JÁ JSEM TADY ŠÉF!" "\r\n"
     "Opačnému pohlaví příliš nevěříte a tak chcete mít v životě i v posteli pocit že jste to Vy kdo rozhoduje. Ve vztahu vždycky přebíráte vedení a\u00A0udáváte tón. Narazíte-li na stejně dominantní protějšek, okamžitě se rozejdete."},
    {17,
     "KASKADÉR ŽIVOTA" "\r\n"
     "Adrenalin je pro vás vším. Klid ani romantika vás nelákají, toužíte po dobrodružství a\u00A0nebojíte se žádných experimentů."},
    {18,
     "BULDOK" "\r\n"
     "Do všeho jdete s vervou, když se do něčeho zakousnete, už to nepustíte. Kompromisy nesnášíte a\u00A0vždy řeknete, co si myslíte, i\u00A0když tím druhé raníte. Jste zkrátka tvrdá palice."},
    {19,
     "MLUVKA A SNÍLEK" "\r\n"
     "Když se vás někdo zeptá, co byste v sexu rád(a), bude vás to vyloženě těšit a budete o tom dlouze vyprávět. Flirt, fantazie a\u00A0atmosféra jsou pro vás vždy víc než samotný akt. I\u00A0v\u00A0životě jste spíš snílek a\u00A0idealista s\u00A0velkými plány, z\u00A0nichž jen málokterý dotáhnete do konce."},
};
// clang-format on

}  // namespace

std::size_t ReadingsTable::IndexOf(int slot)
{
    if (slot < First || slot > Last) {
        throw std::out_of_range("ReadingsTable: slot " + std::to_string(slot) + " is outside " + std::to_string(First) +
                                ".." + std::to_string(Last));
    }
    return static_cast<std::size_t>(slot - First);
}

const std::string& ReadingsTable::operator[](int slot) const
{
    return slots_[IndexOf(slot)];
}

void ReadingsTable::Set(int slot, std::string text)
{
    slots_[IndexOf(slot)] = std::move(text);
}

ReadingsTable Module1::Readings;

void Module1::InitReadings()
{
    for (const SlotText& entry : Texts) {
        Readings.Set(entry.slot, entry.text);
    }
}
