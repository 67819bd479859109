#include "Readings.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

namespace {

std::size_t CodePoints(const std::string& utf8)
{
    std::size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

struct Personality {
    int slot;
    const char* opening;
    std::size_t chars;
};

struct Partnership {
    int slot;
    const char* title;
    const char* opening;
    std::size_t chars;  // the paragraph alone
};

const Personality kPersonality[] = {
    {1, "Jednička odkazuje na ego.", 184},
    {2, "Vy se těžko rozhodujete.", 147},
    {3, "Trojka je harmonie, stabilita a pevnost.", 100},
    {4, "Člověk pod vlivem čísla čtyři je velmi racionální a materialistický.", 116},
    {5, "Pětka vám dává vůli a touhu.", 144},
    {6, "Z šestky přímo vyzařuje harmonie.", 173},
    {7, "Nositelé sedmičky jsou lidé tvůrčí.", 166},
    {8, "Kladete velký důraz na společenské postavení.", 219},
    {9, "Devítka dokáže k dosažení cílů využít ostatní.", 159},
};

const Partnership kPartnership[] = {
    {11, "CHOROBNÁ ŽÁRLIVOST", "Jste chorobný žárlivec!", 222},
    {12, "MODRÉ Z NEBE", "Uděláte pro svého/svou přítele/přítelkyni všechno.", 126},
    {13, "POTŘEBUJETE CHVÁLIT",
     "Záleží vám hodně na tom, aby se vám sex s protějškem líbil a pro to uděláte cokoliv.", 232},
    {14, "PŘELÉTAVÝ PTÁČEK",
     "Sex sice prvotřídní, ale berete ho spíš jako sportovní výkon, hru soutěž...", 242},
    {15, "NĚŽNÝ BARBAR", "Asi bude trvat dlouho, než se někdo ocitne ve vašich náručích.", 240},
    {16, "JÁ JSEM TADY ŠÉF!",
     "Opačnému pohlaví příliš nevěříte a tak chcete mít v životě i v posteli pocit že jste to "
     "Vy kdo rozhoduje.",
     225},
    {17, "KASKADÉR ŽIVOTA", "Adrenalin je pro vás vším.", 119},
    {18, "BULDOK", "Do všeho jdete s vervou, když se do něčeho zakousnete, už to nepustíte.", 176},
    {19, "MLUVKA A SNÍLEK",
     "Když se vás někdo zeptá, co byste v sexu rád(a), bude vás to vyloženě těšit a budete o "
     "tom dlouze vyprávět.",
     277},
};

// The boxes have no scroll bars, so a text may not stray far from its length.
void ExpectLengthNear(const std::string& text, std::size_t target, int slot)
{
    const double n = static_cast<double>(CodePoints(text));
    EXPECT_GE(n, 0.9 * target) << "slot " << slot;
    EXPECT_LE(n, 1.1 * target) << "slot " << slot;
}

class ReadingsTest : public ::testing::Test {
protected:
    void SetUp() override { Module1::InitReadings(); }
    const ReadingsTable& r = Module1::Readings;
};

TEST_F(ReadingsTest, SlotTenStaysEmptyAndEveryOtherSlotIsFilled)
{
    for (int slot = ReadingsTable::First; slot <= ReadingsTable::Last; ++slot)
        EXPECT_EQ(r[slot].empty(), slot == 10) << "slot " << slot;
}

TEST_F(ReadingsTest, PersonalityReadingsOpenAsWrittenAndAreOneParagraph)
{
    for (const Personality& p : kPersonality) {
        const std::string& text = r[p.slot];
        EXPECT_TRUE(StartsWith(text, p.opening)) << "slot " << p.slot << ": " << text;
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << "slot " << p.slot;
        ExpectLengthNear(text, p.chars, p.slot);
    }
}

TEST_F(ReadingsTest, PartnershipReadingsAreTitleLineBreakAndOneParagraph)
{
    for (const Partnership& p : kPartnership) {
        const std::string& text = r[p.slot];
        const std::string head = std::string(p.title) + "\r\n" + p.opening;
        EXPECT_TRUE(StartsWith(text, head)) << "slot " << p.slot << ": " << text;
        const std::size_t paragraph = std::string(p.title).size() + 2;
        EXPECT_EQ(text.find_first_of("\r\n", paragraph), std::string::npos) << "slot " << p.slot;
        ExpectLengthNear(text.substr(paragraph), p.chars, p.slot);
    }
}

TEST_F(ReadingsTest, NoSentenceRepeatsAcrossSlots)
{
    std::set<std::string> seen;
    for (int slot = 1; slot <= 19; ++slot) {
        const std::string& text = r[slot];
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find_first_of(".!", start);
            if (end == std::string::npos) end = text.size();
            const std::string sentence = text.substr(start, end - start);
            if (sentence.size() > 20) {
                EXPECT_TRUE(seen.insert(sentence).second) << "repeated: " << sentence;
            }
            start = end + 1;
        }
    }
}

TEST_F(ReadingsTest, SlotsOutsideTheTableAreRefusedAndRefillingChangesNothing)
{
    EXPECT_THROW(r[0], std::out_of_range);
    EXPECT_THROW(r[20], std::out_of_range);
    EXPECT_THROW(Module1::Readings.Set(-1, "x"), std::out_of_range);

    const std::string before = r[19];
    Module1::InitReadings();
    EXPECT_EQ(r[19], before);
    EXPECT_EQ(r[10], "");
}

}  // namespace
