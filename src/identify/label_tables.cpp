#include "identify/label_tables.h"

namespace kolvar {

const std::array<ZodiacSign, 12> ZodiacSignNames{{
    {"Ari", "Aries", "Kos"},
    {"Tau", "Taurus", "Bika"},
    {"Gem", "Gemini", "Ikrek"},
    {"Cnc", "Cancer", "R\xE1k"},
    {"Leo", "Leo", "Oroszl\xE1n"},
    {"Vir", "Virgo", "Sz\xFBz"},
    {"Lib", "Libra", "M\xE9rleg"},
    {"Sco", "Scorpius", "Skorpi\xF3"},
    {"Sgr", "Sagittarius", "Nyilas"},
    {"Cap", "Capricornus", "Bak"},
    {"Aqr", "Aquarius", "V\xEDz\xF6nt\xF5"},
    {"Psc", "Pisces", "Halak"},
}};

}  // namespace kolvar
