#include "catalog/constellation_names.h"

#include <cstring>

#include "catalog/constellation.h"

namespace kolvar {

const std::array<ConstellationName, ConstellationNameCount> ConstellationNameTable{{
    {"Zoo", "Zodiacus", "\xC1llat\xF6vi jegy", "\xC1llat\xF6v"},
    {"And", "Andromeda", "Andromedae",
     "Androm\xE9"
     "da"},
    {"Ant", "Antlia", "Antliae", "L\xE9gszivatty\xFA"},
    {"Aps", "Apus", "Apodis", "Paradicsommad\xE1r"},
    {"Aqr", "Aquarius", "Aquarii", "V\xEDz\xF6nt\xF6"},
    {"Aql", "Aquila", "Aquilae", "Sas"},
    {"Ara", "Ara", "Arae", "Olt\xE1r"},
    {"Ari", "Aries", "Arietis", "Kos"},
    {"Aur", "Auriga", "Aurigae", "Szekeres"},
    {"Boo", "Bootes", "Bootis", "\xD6k\xF6rhajcs\xE1r(Medvehajt\xF3)"},
    {"Cae", "Caelum", "Caeli", "\xC9gg\xF6mb"},
    {"Cam", "Cameleopardis", "Cameleopardalis",
     "Zsir\xE1"
     "f"},
    {"Cnc", "Cancer", "Cancri", "R\xE1k"},
    {"CVn", "Canes Venatici", "Canum Venaticorum", "Vad\xE1szkuty\xE1k"},
    {"CMa", "Canis Maior", "Canis Maioris", "Nagy Kutya"},
    {"CMi", "Canis Minor", "Canis Minoris", "Kis Kutya"},
    {"Cap", "Capricornus", "Capricorni", "Bak"},
    {"Car", "Carina", "Carinae", "Haj\xF3gerinc"},
    {"Cas", "Cassiopeia", "Cassiopeiae", "Cassiopeia"},
    {"Cen", "Centaurus", "Centauri", "Kentaur"},
    {"Cep", "Cepheus", "Cephei", "Kefeusz"},
    {"Cet", "Cetus", "Ceti", "Cet"},
    {"Cha", "Chamaeleon", "Chamaeleonis", "Kam\xE9leon"},
    {"Cir", "Circinus", "Circini", "K\xF6rz\xF6"},
    {"Col", "Columba", "Columbae", "Galamb"},
    {"Com", "Coma Berinices", "Coma Berinices", "Berinik\xE9 haja"},
    {"CrA", "Corona Australis", "Coronae Australis", "D\xE9li korona"},
    {"CrB", "Corona Borealis", "Coronae Borealis", "\xC9szaki korona"},
    {"Crv", "Corvus", "Corvi", "Holl\xF3"},
    {"Crt", "Crater", "Crateris", "Serleg"},
    {"Cru", "Crux", "Crucis", "Kereszt (D\xE9l Keresztje)"},
    {"Cyg", "Cygnus", "Cygni", "Hatty\xFA"},
    {"Del", "Delphinus", "Delphini", "Delfin"},
    {"Dor", "Dorado", "Doradus", "Aranyhal"},
    {"Dra", "Draco", "Draconis", "S\xE1rk\xE1ny"},
    {"Equ", "Equuleus", "Equulei", "Csik\xF3"},
    {"Eri", "Eridanus", "Eridani", "Eridanus foly\xF3"},
    {"For", "Fornax", "Fornacis", "Kemence"},
    {"Gem", "Gemini", "Geminorum", "Ikrek"},
    {"Gru", "Grus", "Gruis", "Daru"},
    {"Her", "Hercules", "Herculis", "Herkules"},
    {"Hor", "Horologium", "Horologii", "Inga\xF3ra"},
    {"Hya", "Hydra", "Hydrae", "Vizik\xEDgy\xF3"},
    {"Hyi", "Hydrus", "Hidrii", "(d\xE9li) Vizik\xEDgy\xF3"},
    {"Ind", "Indus", "Indi", "Indiai"},
    {"Lac", "Lacerta", "Lacertae", "Gy\xEDk"},
    {"Leo", "Leo", "Leonis", "Oroszl\xE1n"},
    {"LMi", "Leo Minor", "Leonis Minoris", "Kis Oroszl\xE1n"},
    {"Lep", "Lepus", "Leporis", "Ny\xFAl"},
    {"Lib", "Libra", "Librae", "M\xE9rleg"},
    {"Lup", "Lupus", "Lupi", "Farkas"},
    {"Lyn", "Lynx", "Lincis", "Hi\xFAz"},
    {"Lyr", "Lyra", "Lyrae", "Lant"},
    {"Men", "Mensa", "Mensae",
     "T\xE1"
     "bla-hegy"},
    {"Mic", "Microscopium", "Microscopii", "Mikroszk\xF3p"},
    {"Mon", "Monoceros", "Monocerotis", "Egyszarv\xFA"},
    {"Mus", "Musca", "Muscae", "L\xE9gy"},
    {"Nor", "Norma", "Normae", "Sz\xF6gm\xE9r\xF6"},
    {"Oct", "Octans", "Octantis", "Nyolcadk\xF6r (Okt\xE1ns)"},
    {"Oph", "Ophiuchus", "Ophiuchi", "K\xEDgy\xF3tart\xF3"},
    {"Ori", "Orion", "Orionis", "Orion"},
    {"Pav", "Pavo", "Pavonis", "P\xE1va"},
    {"Peg", "Pegasus", "Pegasi", "Pegazus"},
    {"Per", "Perseus", "Persei", "Perzeusz"},
    {"Phe", "Phoenix", "Phoenicis", "F\xF6nixmad\xE1r"},
    {"Pic", "Pictor", "Pictoris", "Fest\xF6\xE1lv\xE1ny"},
    {"Psc", "Pisces", "Piscium", "Halak"},
    {"PsA", "Piscis Australis", "Piscis Austrinis", "D\xE9li Halak"},
    {"Pup", "Puppis", "Puppis", "Haj\xF3 fara"},
    {"Pyx", "Pyxis", "Pixidis", "T\xE1jol\xF3"},
    {"Ret", "Reticulum", "Reticuli", "H\xE1l\xF3"},
    {"Sge", "Sagitta", "Sagttae", "Ny\xEDl"},
    {"Sgr", "Sagittarius", "Sagittarii", "Nyilas"},
    {"Sco", "Scorpius", "Scorpii", "Skorpi\xF3"},
    {"Sct", "Scutum", "Scuti", "Pajzs"},
    {"Scl", "Sculptor", "Sculptoris", "Szobr\xE1szm\xFChely"},
    {"Ser", "Serpens", "Serpentis", "K\xEDgy\xF3"},
    {"Sex", "Sextans", "Sextantis", "Szext\xE1ns"},
    {"Tau", "Taurus", "Tauri", "Bika"},
    {"Tri", "Triangulum", "Trianguli", "H\xE1romsz\xF6g"},
    {"TrA", "Triangulum Australe", "Trianguli Austalis", "D\xE9li H\xE1romsz\xF6g"},
    {"Tel", "Telescopium", "Telescopii", "T\xE1vcs\xF6"},
    {"Tuc", "Tucana", "Tucanae", "Tuk\xE1n (mad\xE1r)"},
    {"UMa", "Ursa Maior", "Ursae Maioris", "Nagy Medve"},
    {"UMi", "Ursa Minor", "Ursae Minoris", "Kis Medve"},
    {"Vel", "Vela", "Velorum", "Vitorla"},
    {"Vir", "Virgo", "Virginis", "Sz\xFCz"},
    {"Vol", "Volans", "Volantis", "Rep\xFCl\xF6hal"},
    {"Vul", "Vulpecula", "Vulpeculae", "Kis R\xF3ka"},
}};

const std::array<const char*, ConstellationNameCount> ConstellationAbbreviations{
    "Zoo", "And", "Ant", "Aps", "Aql", "Aqr", "Ara", "Ari", "Aur", "Boo", "Cae", "Cam", "Cap", "Car", "Cas",
    "Cen", "Cep", "Cet", "Cha", "Cir", "CMa", "CMi", "Cnc", "Col", "Com", "CrA", "CrB", "Crt", "Cru", "Crv",
    "CVn", "Cyg", "Del", "Dor", "Dra", "Equ", "Eri", "For", "Gem", "Gru", "Her", "Hor", "Hya", "Hyi", "Ind",
    "Lac", "Leo", "Lep", "Lib", "LMi", "Lup", "Lyn", "Lyr", "Men", "Mic", "Mon", "Mus", "Nor", "Oct", "Oph",
    "Ori", "Pav", "Peg", "Per", "Phe", "Pic", "PsA", "Psc", "Pup", "Pyx", "Ret", "Scl", "Sco", "Sct", "Ser",
    "Sex", "Sge", "Sgr", "Tau", "Tel", "TrA", "Tri", "Tuc", "UMa", "UMi", "Vel", "Vir", "Vol", "Vul",
};

std::string GenitiveOfConstellation(int constellation) {
    if (constellation < 0 || constellation >= ConstellationNameCount) return " ? ";
    const std::string_view genitive = ConstellationOf(constellation).Genitive;
    return genitive.empty() ? " ? " : std::string(genitive);
}

}  // namespace kolvar
