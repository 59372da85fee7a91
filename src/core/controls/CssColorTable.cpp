#include "controls/CssColorTable.h"

#include "util/Numbers.h"

namespace htmlsim {

void ColorTable::Add(std::string_view name, std::string_view hex, std::string_view rgb) {
    ColorRecord record{std::string(name), std::string(hex)};
    int16_t* channels[] = {&record.R, &record.G, &record.B};
    size_t start = 0;
    for (int16_t* channel : channels) {
        const size_t comma = rgb.find(',', start);
        *channel = RoundToInt16(LeadingNumber(rgb.substr(start, comma - start)));
        start = comma == std::string_view::npos ? rgb.size() : comma + 1;
    }
    mRows.push_back(std::move(record));
}

namespace {

ColorTable MakeCssColors() {
    ColorTable table;
    table.Add("AliceBlue", "F0F8FF", "240,248,255");
    table.Add("AntiqueWhite", "FAEBD7", "250,235,215");
    table.Add("Aqua", "00FFFF", "0,255,255");
    table.Add("Aquamarine", "7FFFD4", "127,255,212");
    table.Add("Azure", "F0FFFF", "240,255,255");
    table.Add("Beige", "F5F5DC", "245,245,220");
    table.Add("Bisque", "FFE4C4", "255,228,196");
    table.Add("Black", "000000", "0,0,0");
    table.Add("BlanchedAlmond", "FFEBCD", "255,235,205");
    table.Add("Blue", "0000FF", "0,0,255");
    table.Add("BlueViolet", "8A2BE2", "138,43,226");
    table.Add("Brown", "A52A2A", "165,42,42");
    table.Add("BurlyWood", "DEB887", "222,184,135");
    table.Add("CadetBlue", "5F9EA0", "95,158,160");
    table.Add("Chartreuse", "7FFF00", "127,255,0");
    table.Add("Chocolate", "D2691E", "210,105,30");
    table.Add("Coral", "FF7F50", "255,127,80");
    table.Add("CornflowerBlue", "6495ED", "100,149,237");
    table.Add("Cornsilk", "FFF8DC", "255,248,220");
    table.Add("Crimson", "DC143C", "220,20,60");
    table.Add("Cyan", "00FFFF", "0,255,255");
    table.Add("DarkBlue", "00008B", "0,0,139");
    table.Add("DarkCyan", "008B8B", "0,139,139");
    table.Add("DarkGoldenRod", "B8860B", "184,134,11");
    table.Add("DarkGray", "A9A9A9", "169,169,169");
    table.Add("DarkGrey", "A9A9A9", "169,169,169");
    table.Add("DarkGreen", "006400", "0,100,0");
    table.Add("DarkKhaki", "BDB76B", "189,183,107");
    table.Add("DarkMagenta", "8B008B", "139,0,139");
    table.Add("DarkOliveGreen", "556B2F", "85,107,47");
    table.Add("Darkorange", "FF8C00", "255,140,0");
    table.Add("DarkOrchid", "9932CC", "153,50,204");
    table.Add("DarkRed", "8B0000", "139,0,0");
    table.Add("DarkSalmon", "E9967A", "233,150,122");
    table.Add("DarkSeaGreen", "8FBC8F", "143,188,143");
    table.Add("DarkSlateBlue", "483D8B", "72,61,139");
    table.Add("DarkSlateGray", "2F4F4F", "47,79,79");
    table.Add("DarkSlateGrey", "2F4F4F", "47,79,79");
    table.Add("DarkTurquoise", "00CED1", "0,206,209");
    table.Add("DarkViolet", "9400D3", "148,0,211");
    table.Add("DeepPink", "FF1493", "255,20,147");
    table.Add("DeepSkyBlue", "00BFFF", "0,191,255");
    table.Add("DimGray", "696969", "105,105,105");
    table.Add("DimGrey", "696969", "105,105,105");
    table.Add("DodgerBlue", "1E90FF", "30,144,255");
    table.Add("FireBrick", "B22222", "178,34,34");
    table.Add("FloralWhite", "FFFAF0", "255,250,240");
    table.Add("ForestGreen", "228B22", "34,139,34");
    table.Add("Fuchsia", "FF00FF", "255,0,255");
    table.Add("Gainsboro", "DCDCDC", "220,220,220");
    table.Add("GhostWhite", "F8F8FF", "248,248,255");
    table.Add("Gold", "FFD700", "255,215,0");
    table.Add("GoldenRod", "DAA520", "218,165,32");
    table.Add("Gray", "808080", "128,128,128");
    table.Add("Grey", "808080", "128,128,128");
    table.Add("Green", "008000", "0,128,0");
    table.Add("GreenYellow", "ADFF2F", "173,255,47");
    table.Add("HoneyDew", "F0FFF0", "240,255,240");
    table.Add("HotPink", "FF69B4", "255,105,180");
    table.Add("IndianRed", "CD5C5C", "205,92,92");
    table.Add("Indigo", "4B0082", "75,0,130");
    table.Add("Ivory", "FFFFF0", "255,255,240");
    table.Add("Khaki", "F0E68C", "240,230,140");
    table.Add("Lavender", "E6E6FA", "230,230,250");
    table.Add("LavenderBlush", "FFF0F5", "255,240,245");
    table.Add("LawnGreen", "7CFC00", "124,252,0");
    table.Add("LemonChiffon", "FFFACD", "255,250,205");
    table.Add("LightBlue", "ADD8E6", "173,216,230");
    table.Add("LightCoral", "F08080", "240,128,128");
    table.Add("LightCyan", "E0FFFF", "224,255,255");
    table.Add("LightGoldenRodYellow", "FAFAD2", "250,250,210");
    table.Add("LightGray", "D3D3D3", "211,211,211");
    table.Add("LightGrey", "D3D3D3", "211,211,211");
    table.Add("LightGreen", "90EE90", "144,238,144");
    table.Add("LightPink", "FFB6C1", "255,182,193");
    table.Add("LightSalmon", "FFA07A", "255,160,122");
    table.Add("LightSeaGreen", "20B2AA", "32,178,170");
    table.Add("LightSkyBlue", "87CEFA", "135,206,250");
    table.Add("LightSlateGray", "778899", "119,136,153");
    table.Add("LightSlateGrey", "778899", "119,136,153");
    table.Add("LightSteelBlue", "B0C4DE", "176,196,222");
    table.Add("LightYellow", "FFFFE0", "255,255,224");
    table.Add("Lime", "00FF00", "0,255,0");
    table.Add("LimeGreen", "32CD32", "50,205,50");
    table.Add("Linen", "FAF0E6", "250,240,230");
    table.Add("Magenta", "FF00FF", "255,0,255");
    table.Add("Maroon", "800000", "128,0,0");
    table.Add("MediumAquaMarine", "66CDAA", "102,205,170");
    table.Add("MediumBlue", "0000CD", "0,0,205");
    table.Add("MediumOrchid", "BA55D3", "186,85,211");
    table.Add("MediumPurple", "9370DB", "147,112,219");
    table.Add("MediumSeaGreen", "3CB371", "60,179,113");
    table.Add("MediumSlateBlue", "7B68EE", "123,104,238");
    table.Add("MediumSpringGreen", "00FA9A", "0,250,154");
    table.Add("MediumTurquoise", "48D1CC", "72,209,204");
    table.Add("MediumVioletRed", "C71585", "199,21,133");
    table.Add("MidnightBlue", "191970", "25,25,112");
    table.Add("MintCream", "F5FFFA", "245,255,250");
    table.Add("MistyRose", "FFE4E1", "255,228,225");
    table.Add("Moccasin", "FFE4B5", "255,228,181");
    table.Add("NavajoWhite", "FFDEAD", "255,222,173");
    table.Add("Navy", "000080", "0,0,128");
    table.Add("OldLace", "FDF5E6", "253,245,230");
    table.Add("Olive", "808000", "128,128,0");
    table.Add("OliveDrab", "6B8E23", "107,142,35");
    table.Add("Orange", "FFA500", "255,165,0");
    table.Add("OrangeRed", "FF4500", "255,69,0");
    table.Add("Orchid", "DA70D6", "218,112,214");
    table.Add("PaleGoldenRod", "EEE8AA", "238,232,170");
    table.Add("PaleGreen", "98FB98", "152,251,152");
    table.Add("PaleTurquoise", "AFEEEE", "175,238,238");
    table.Add("PaleVioletRed", "DB7093", "219,112,147");
    table.Add("PapayaWhip", "FFEFD5", "255,239,213");
    table.Add("PeachPuff", "FFDAB9", "255,218,185");
    table.Add("Peru", "CD853F", "205,133,63");
    table.Add("Pink", "FFC0CB", "255,192,203");
    table.Add("Plum", "DDA0DD", "221,160,221");
    table.Add("PowderBlue", "B0E0E6", "176,224,230");
    table.Add("Purple", "800080", "128,0,128");
    table.Add("Red", "FF0000", "255,0,0");
    table.Add("RosyBrown", "BC8F8F", "188,143,143");
    table.Add("RoyalBlue", "4169E1", "65,105,225");
    table.Add("SaddleBrown", "8B4513", "139,69,19");
    table.Add("Salmon", "FA8072", "250,128,114");
    table.Add("SandyBrown", "F4A460", "244,164,96");
    table.Add("SeaGreen", "2E8B57", "46,139,87");
    table.Add("SeaShell", "FFF5EE", "255,245,238");
    table.Add("Sienna", "A0522D", "160,82,45");
    table.Add("Silver", "C0C0C0", "192,192,192");
    table.Add("SkyBlue", "87CEEB", "135,206,235");
    table.Add("SlateBlue", "6A5ACD", "106,90,205");
    table.Add("SlateGray", "708090", "112,128,144");
    table.Add("SlateGrey", "708090", "112,128,144");
    table.Add("Snow", "FFFAFA", "255,250,250");
    table.Add("SpringGreen", "00FF7F", "0,255,127");
    table.Add("SteelBlue", "4682B4", "70,130,180");
    table.Add("Tan", "D2B48C", "210,180,140");
    table.Add("Teal", "008080", "0,128,128");
    table.Add("Thistle", "D8BFD8", "216,191,216");
    table.Add("Tomato", "FF6347", "255,99,71");
    table.Add("Turquoise", "40E0D0", "64,224,208");
    table.Add("Violet", "EE82EE", "238,130,238");
    table.Add("Wheat", "F5DEB3", "245,222,179");
    table.Add("White", "FFFFFF", "255,255,255");
    table.Add("WhiteSmoke", "F5F5F5", "245,245,245");
    table.Add("Yellow", "FFFF00", "255,255,0");
    table.Add("YellowGreen", "9ACD32", "154,205,50");
    return table;
}

}  // namespace

const ColorTable& CssColors() {
    static const ColorTable table = MakeCssColors();
    return table;
}

}  // namespace htmlsim
