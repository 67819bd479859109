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
// Plain spaces throughout: the boxes that show the texts keep a one-letter
// word on the line of the word after it, so a copied reading stays plain.
// One reading a line, as it reads; the formatter leaves the table alone.
// clang-format off
constexpr SlotText Texts[] = {
    {1,
     "Jednička odkazuje na ego. Jste silná osobnost a považujete se za střed světa. Umíte projevit laskavost i obětavost, hrozí však, že z vás bude klasický egoista, který myslí jen na sebe."},
    {2,
     "Vy se těžko rozhodujete. Uvnitř vás spolu bojují dvě osobnosti. Snadno se necháte ovlivnit, chybí vám sebedůvěra a raději zůstáváte stranou dění."},
    {3,
     "Trojka je harmonie, stabilita a pevnost. Za svými názory si stojíte, někdy však až příliš tvrdohlavě."},
    {4,
     "Člověk pod vlivem čísla čtyři je velmi racionální a materialistický. Platí to i o vás: věříte jen tomu, čemu rozumíte."},
    {5,
     "Pětka vám dává vůli a touhu. Jste rozený vůdce, který dokáže strhnout ostatní. V horším případě se tento dar zvrhne ve snahu manipulovat lidmi."},
    {6,
     "Z šestky přímo vyzařuje harmonie. Jste vyrovnaná osobnost obdařená přirozenou inteligencí. Občas se však z vás stává chytrák, který všechno ví nejlépe a ke všemu má co říct."},
    {7,
     "Nositelé sedmičky jsou lidé tvůrčí. I vy se proto nejlépe uplatníte v umělecké práci, kde dáte volný průchod své fantazii. Hrozí však, že se časem odtrhnete od reality."},
    {8,
     "Kladete velký důraz na společenské postavení. Jste ambiciózní, kariéra je pro vás prvořadá a rozhodnost vám nechybí. Své emoce máte pevně pod kontrolou a za svými cíli jdete neochvějně, někdy i za cenu osobních vztahů."},
    {9,
     "Devítka dokáže k dosažení cílů využít ostatní. Umíte to i vy a dobře plánujete, dlouho se ale soustředit nevydržíte. Překypujete energií, bohužel i agresivitou."},
    {11,
     "CHOROBNÁ ŽÁRLIVOST" "\r\n"
     "Jste chorobný žárlivec! Žárlivost vás neopouští ani na okamžik a trápí vás i tehdy, když k ní není sebemenší důvod. Váš protějšek musí neustále snášet vaše výčitky. Jednoho dne toho však bude mít dost a vztah se rozpadne."},
    {12,
     "MODRÉ Z NEBE" "\r\n"
     "Uděláte pro svého/svou přítele/přítelkyni všechno. Za lásku budete bojovat s kýmkoli a žádná oběť vám nepřijde příliš velká."},
    {13,
     "POTŘEBUJETE CHVÁLIT" "\r\n"
     "Záleží vám hodně na tom, aby se vám sex s protějškem líbil a pro to uděláte cokoliv. Na oplátku však potřebujete slyšet chválu a cítit, že jste pro toho druhého vším. Bez uznání rychle ztrácíte sebevědomí a začínáte o sobě pochybovat"},
    {14,
     "PŘELÉTAVÝ PTÁČEK" "\r\n"
     "Sex sice prvotřídní, ale berete ho spíš jako sportovní výkon, hru soutěž... Vážné vztahy vás nelákají. Nejvíc vás baví samotné dobývání, a jakmile je kořist ulovena, váš zájem rychle opadá. Opakování vás nudí, a tak brzy vyrážíte na další lov."},
    {15,
     "NĚŽNÝ BARBAR" "\r\n"
     "Asi bude trvat dlouho, než se někdo ocitne ve vašich náručích. Nejdřív totiž chcete mít jistotu, že jde o toho pravého člověka. V běžném životě působíte něžně a ohleduplně, ale v posteli se z vás stává divoch, který překvapí i zkušený protějšek."},
    {16,
     "JÁ JSEM TADY ŠÉF!" "\r\n"
     "Opačnému pohlaví příliš nevěříte a tak chcete mít v životě i v posteli pocit že jste to Vy kdo rozhoduje. Ve vztahu vždycky přebíráte vedení a udáváte tón. Narazíte-li na stejně dominantní protějšek, okamžitě se rozejdete."},
    {17,
     "KASKADÉR ŽIVOTA" "\r\n"
     "Adrenalin je pro vás vším. Klid ani romantika vás nelákají, toužíte po dobrodružství a nebojíte se žádných experimentů."},
    {18,
     "BULDOK" "\r\n"
     "Do všeho jdete s vervou, když se do něčeho zakousnete, už to nepustíte. Kompromisy nesnášíte a vždy řeknete, co si myslíte, i když tím druhé raníte. Jste zkrátka tvrdá palice."},
    {19,
     "MLUVKA A SNÍLEK" "\r\n"
     "Když se vás někdo zeptá, co byste v sexu rád(a), bude vás to vyloženě těšit a budete o tom dlouze vyprávět. Flirt, fantazie a atmosféra jsou pro vás vždy víc než samotný akt. I v běžném životě jste spíš snílek a idealista s velkými plány, z nichž jen málokterý dotáhnete do konce."},
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
