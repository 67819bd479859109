// The readings table: each slot's title and opening sentence exactly as designed, one paragraph at a length the
// boxes can hold, every word spelt right, nothing outside 1..19.
#include "engine/Readings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

// Slots 1..19: the title and CR LF (partnership slots), then the opening
// sentence; then the paragraph's length.
// clang-format off
const std::pair<const char*, std::size_t> Slots[] = {
    {"Jednička odkazuje na ego.", 184},
    {"Vy se těžko rozhodujete.", 147},
    {"Trojka je harmonie, stabilita a pevnost.", 100},
    {"Člověk pod vlivem čísla čtyři je velmi racionální a materialistický.", 116},
    {"Pětka vám dává vůli a touhu.", 144},
    {"Z šestky přímo vyzařuje harmonie.", 173},
    {"Nositelé sedmičky jsou lidé tvůrčí.", 166},
    {"Kladete velký důraz na společenské postavení.", 219},
    {"Devítka dokáže k dosažení cílů využít ostatní.", 159},
    {"", 0},
    {"CHOROBNÁ ŽÁRLIVOST\r\nJste chorobný žárlivec!", 222},
    {"MODRÉ Z NEBE\r\nUděláte pro svého/svou přítele/přítelkyni všechno.", 126},
    {"POTŘEBUJETE CHVÁLIT\r\nZáleží vám hodně na tom, aby se vám sex s protějškem líbil a pro to uděláte cokoliv.", 232},
    {"PŘELÉTAVÝ PTÁČEK\r\nSex sice prvotřídní, ale berete ho spíš jako sportovní výkon, hru soutěž...", 242},
    {"NĚŽNÝ BARBAR\r\nAsi bude trvat dlouho, než se někdo ocitne ve vašich náručích.", 240},
    {"JÁ JSEM TADY ŠÉF!\r\nOpačnému pohlaví příliš nevěříte a tak chcete mít v životě i v posteli pocit že jste to Vy kdo rozhoduje.", 225},
    {"KASKADÉR ŽIVOTA\r\nAdrenalin je pro vás vším.", 119},
    {"BULDOK\r\nDo všeho jdete s vervou, když se do něčeho zakousnete, už to nepustíte.", 176},
    {"MLUVKA A SNÍLEK\r\nKdyž se vás někdo zeptá, co byste v sexu rád(a), bude vás to vyloženě těšit a budete o tom dlouze vyprávět.", 277},
};
// clang-format on

// The words of the texts that Debian's Czech dictionary (hunspell-cs, installed by the test command) lacks.
std::string UnknownWords(const std::string& texts)
{
    const std::string found = ::testing::TempDir() + "kalvio-unknown-words.txt";
    FILE* hunspell = popen(("hunspell -d cs_CZ -l -i utf-8 > " + found).c_str(), "w");
    if (!hunspell) return "(hunspell did not start)";
    std::fputs(texts.c_str(), hunspell);
    if (pclose(hunspell) != 0) return "(hunspell failed: are hunspell and hunspell-cs installed?)";
    std::stringstream words;
    words << std::ifstream(found).rdbuf();
    return words.str();
}

TEST(Readings, EachSlotIsItsTitleAndOneParagraphOfItsLengthInWordsACzechDictionaryKnowsAndNoneLiesOutside)
{
    Module1::InitReadings();
    std::string all;
    for (int slot = ReadingsTable::First; slot <= ReadingsTable::Last; ++slot) {
        SCOPED_TRACE(::testing::Message() << "slot " << slot);
        const std::string& text = Module1::Readings[slot];
        all += text + "\n";
        const std::string head = Slots[slot - 1].first;
        ASSERT_EQ(text.substr(0, head.size()), head);
        const std::string paragraph = text.substr(slot > 10 ? head.find('\n') + 1 : 0);
        EXPECT_EQ(paragraph.find_first_of("\r\n"), std::string::npos);
        // The boxes have no scroll bars and several readings fill theirs: letters, not UTF-8 bytes, counted.
        const auto letters =
            std::count_if(paragraph.begin(), paragraph.end(), [](char c) { return (c & 0xC0) != 0x80; });
        EXPECT_NEAR(static_cast<double>(letters), Slots[slot - 1].second, 0.03 * Slots[slot - 1].second);
    }
    EXPECT_EQ(UnknownWords(all), "");
    EXPECT_THROW(Module1::Readings[0], std::out_of_range);
    EXPECT_THROW(Module1::Readings[20], std::out_of_range);
}

}  // namespace
