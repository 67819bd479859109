// The readings table: the openings and titles exactly as designed, one
// paragraph each at a length the boxes can hold, and nothing outside 1..19.
#include "engine/Readings.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>

namespace {

std::size_t CodePoints(const std::string& utf8)
{
    std::size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

// A one-letter preposition or conjunction followed by a plain space may be
// left at a line end; it must be tied to its word by a no-break space.
bool LeavesOneLetterWordLoose(const std::string& text)
{
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const std::size_t tie = word.rfind("\xC2\xA0");
        const std::string last = tie == std::string::npos ? word : word.substr(tie + 2);
        if (last.size() == 1 && std::string("aikosuvzAIKOSUVZ").find(last) != std::string::npos) return true;
    }
    return false;
}

struct Slot {
    int slot;
    const char* title;    // empty for slots 1-9
    const char* opening;  // the paragraph's first sentence
    std::size_t chars;    // the paragraph's length
};

const Slot Slots[] = {
    {1, "", "Jednička odkazuje na ego.", 184},
    {2, "", "Vy se těžko rozhodujete.", 147},
    {3, "", "Trojka je harmonie, stabilita a pevnost.", 100},
    {4, "", "Člověk pod vlivem čísla čtyři je velmi racionální a materialistický.", 116},
    {5, "", "Pětka vám dává vůli a touhu.", 144},
    {6, "", "Z šestky přímo vyzařuje harmonie.", 173},
    {7, "", "Nositelé sedmičky jsou lidé tvůrčí.", 166},
    {8, "", "Kladete velký důraz na společenské postavení.", 219},
    {9, "", "Devítka dokáže k dosažení cílů využít ostatní.", 159},
    {11, "CHOROBNÁ ŽÁRLIVOST", "Jste chorobný žárlivec!", 222},
    {12, "MODRÉ Z NEBE", "Uděláte pro svého/svou přítele/přítelkyni všechno.", 126},
    {13, "POTŘEBUJETE CHVÁLIT", "Záleží vám hodně na tom, aby se vám sex s protějškem líbil a pro to uděláte cokoliv.",
     232},
    {14, "PŘELÉTAVÝ PTÁČEK", "Sex sice prvotřídní, ale berete ho spíš jako sportovní výkon, hru soutěž...", 242},
    {15, "NĚŽNÝ BARBAR", "Asi bude trvat dlouho, než se někdo ocitne ve vašich náručích.", 240},
    {16, "JÁ JSEM TADY ŠÉF!",
     "Opačnému pohlaví příliš nevěříte a tak chcete mít v životě i v posteli pocit že jste to Vy kdo "
     "rozhoduje.",
     225},
    {17, "KASKADÉR ŽIVOTA", "Adrenalin je pro vás vším.", 119},
    {18, "BULDOK", "Do všeho jdete s vervou, když se do něčeho zakousnete, už to nepustíte.", 176},
    {19, "MLUVKA A SNÍLEK",
     "Když se vás někdo zeptá, co byste v sexu rád(a), bude vás to vyloženě těšit a budete o tom "
     "dlouze vyprávět.",
     277},
};

class Readings : public ::testing::Test {
protected:
    void SetUp() override { Module1::InitReadings(); }
    const ReadingsTable& table = Module1::Readings;
};

TEST_F(Readings, EachSlotIsItsTitleAndOneParagraphOfItsLength)
{
    for (const Slot& s : Slots) {
        SCOPED_TRACE(::testing::Message() << "slot " << s.slot);
        const std::string& text = table[s.slot];
        const std::string title = s.title;
        const std::string head = title.empty() ? "" : title + "\r\n";
        ASSERT_EQ(text.substr(0, head.size() + std::string(s.opening).size()), head + s.opening);
        const std::string paragraph = text.substr(head.size());
        EXPECT_EQ(paragraph.find_first_of("\r\n"), std::string::npos);
        EXPECT_FALSE(LeavesOneLetterWordLoose(paragraph.substr(std::string(s.opening).size())));
        // The boxes have no scroll bars and several readings fill theirs.
        EXPECT_NEAR(static_cast<double>(CodePoints(paragraph)), s.chars, 0.03 * s.chars);
    }
    EXPECT_EQ(table[10], "");
}

TEST_F(Readings, SlotsOutsideTheTableAreRefusedAndAFillRewritesTheSameTexts)
{
    EXPECT_THROW(table[0], std::out_of_range);
    EXPECT_THROW(table[20], std::out_of_range);

    std::string before[20];
    for (int slot = 1; slot <= 19; ++slot) before[slot] = table[slot];
    Module1::InitReadings();
    for (int slot = 1; slot <= 19; ++slot) EXPECT_EQ(table[slot], before[slot]) << "slot " << slot;
}

}  // namespace
