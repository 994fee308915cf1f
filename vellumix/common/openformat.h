// The formats a file is opened in: the open dialog's filter index, the "/f=" switch
// and the editor's load all speak of them by number.
#pragma once

// 1 plain, 2 DOS OEM (code page 850), 3 to 5 Unix.
enum class OpenFormat { Plain = 1, DosOem = 2, Unix = 3 };

inline OpenFormat openFormatFromIndex(int index)
{
    if (index == 2)
        return OpenFormat::DosOem;
    if (index >= 3 && index <= 5)
        return OpenFormat::Unix;
    return OpenFormat::Plain;
}
