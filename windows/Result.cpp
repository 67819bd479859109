#include "Result.h"

std::wstring ResultText(const Result& result)
{
    return L"Datum narození: " + result.date + L"\r\nŽivotní číslo: " + result.number + L"\r\n\r\n" +
           result.personalityHeading + L"\r\n" + result.personality + L"\r\n\r\n" + result.partnershipHeading +
           L"\r\n" + result.partnership + L"\r\n";
}
