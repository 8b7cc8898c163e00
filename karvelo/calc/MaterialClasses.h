// The material classes of ISO 6336-5 that a gear's material code (MaterialCode1, MaterialCode2)
// names: one table with the entry of each class in the materials window's lists, its typical
// material values and the points of its S-N curves; the groups of classes that the factors of
// ISO 6336-1, -2 and -3 treat alike; and the cycle numbers shared by every class's curves.  Codes
// are compared as whole strings, case-sensitive.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace karvelo {

// ---- S-N curves

inline constexpr double kBendingEnduranceCycles = 3e6;  // NFlim of every class
// NHlim of the classes with the long contact curve (which may be allowed some pitting) and of the
// others with a contact endurance limit; NHstat of both.
inline constexpr double kLongNHlim = 5e7;
inline constexpr double kShortNHlim = 2e6;
inline constexpr double kContactStaticCycles = 1e5;
// Contact curve of a gear whose flanks may show some pitting: endurance limit, static end and the
// knee between them [cycles].
inline constexpr double kPittingEnduranceCycles = 1e9;
inline constexpr double kPittingStaticCycles = 6e5;
inline constexpr double kPittingKneeCycles = 1e7;
// Below the endurance limit the Haibach tail falls to kHaibachTailFall of the reference stress at
// kHaibachTailEnd cycles.
inline constexpr double kHaibachTailEnd = 1e10;
inline constexpr long double kHaibachTailFall = 0.85L;
static_assert(static_cast<double>(kHaibachTailFall) == 0.85);

// Exponent of the contact S-N curve between the pitting knee and the endurance limit NHlim.
inline double PittingKneeExponent(double NHlim) { return std::log(NHlim / kPittingKneeCycles) / std::log(1.3); }

// ---- The classes

// Typical material values of a class, which the materials window loads when the class is chosen.
struct TypicalMaterial {
    double SigmaHlim, SigmaFlim;  // endurance limits [MPa]
    double HV, HVcore;            // surface and core hardness, in hardnessUnit
    double E, Rm;                 // modulus of elasticity and tensile strength [MPa]
    const char* form;             // "wrought" or "cast"
    const char* hardnessUnit;     // "HWB" (Brinell) or "HV" (Vickers)
    const char* quality;          // quality grades, e.g. "ML, MQ"
};

struct MaterialClass {
    std::string_view code;
    const char* entry;        // text of the class in the materials window's lists; nullptr: none
    const char* description;  // the gear's material description (MatName1, MatName2) and the listing's name
    std::optional<TypicalMaterial> typical;
    double NHlim;    // cycles at the contact endurance limit; 0: the gear's curve stays
    double NFstat;   // cycles up to which the bending strength is static
    double ZNTstat;  // static life factor for contact; 0: the gear's factor stays
    double YNTstat;  // static life factor for bending; 0: the gear's factor stays or follows from Rm
    double density;  // [kg/m3]
};

inline constexpr int kListedMaterialClasses = 12;

// The classes of the lists in list order (the list index is MaterialClass1, MaterialClass2), then
// the bainitic nodular cast iron "GGGb", which a data file may name but no list entry gives.
inline constexpr std::array<MaterialClass, kListedMaterialClasses + 1> kMaterialClassTable = {{
    {"St", "Wrought normalized low carbon steelsl", "Wrought normalized low carbon steels",
     TypicalMaterial{300, 119, 110, 110, 206000, 367, "wrought", "HWB", "ML, MQ"}, kLongNHlim, 1e4, 1.6, 2.5, 7830},
    {"GTS", "Black malleable cast iron", "Black malleable cast iron",
     TypicalMaterial{328, 123, 135, 135, 173000, 452, "cast", "HWB", "ML, MQ"}, kLongNHlim, 1e4, 1.6, 2.5, 7400},
    {"GGGp", "Nodular cast iron (perlitic, bainitic)", "Nodular cast iron (perlitic)",
     TypicalMaterial{462, 180, 175, 175, 173000, 589, "cast", "HWB", "ML, MQ"}, kLongNHlim, 1e4, 1.6, 2.5, 7150},
    {"GGGf", "Nodular cast iron (ferrtic)", "Nodular cast iron (ferritic)",
     TypicalMaterial{462, 180, 175, 175, 173000, 589, "cast", "HWB", "ML, MQ"}, kShortNHlim, 1e3, 1.3, 1.6, 7150},
    {"GG", "Grey cast iron", "Grey cast iron", TypicalMaterial{287, 46, 150, 150, 118000, 504, "cast", "HWB", "ML, MQ"},
     kShortNHlim, 1e3, 1.3, 1.6, 7200},
    {"V", "Through-hardened carbon steel", "Through-hardened carbon steel",
     TypicalMaterial{413, 137, 135, 115, 206000, 326, "wrought", "HV", "ML"}, kLongNHlim, 1e4, 1.6, 2.5, 7830},
    {"Eh", "Case-hardened steel", "Case-hardened steel",
     TypicalMaterial{1300, 312, 600, 247, 206000, 780, "wrought", "HV", "ML"}, kLongNHlim, 1e3, 1.6, 2.5, 7830},
    {"IF", "Flame or induction hardened steel", "Flame or induction hardened steel",
     TypicalMaterial{961, 224, 485, 183, 206000, 560, "wrought", "HV", "ML"}, kLongNHlim, 1e3, 1.6, 2.5, 7830},
    {"NT", "Nitrided nitriding steel", "Nitrided nitriding steel",
     TypicalMaterial{1125, 270, 650, 146, 206000, 432, "wrought", "HV", "ML"}, kShortNHlim, 1e3, 1.3, 1.6, 7830},
    {"NV", "Nitrided through-hardening steel", "Nitrided through-hardening steel",
     TypicalMaterial{788, 258, 450, 140, 206000, 412, "wrought", "HV", "ML"}, kShortNHlim, 1e3, 1.3, 1.6, 7830},
    {"NVc", "Nitrocarburized through-hardening steel", "Nitrocarburized through-hardening steel",
     TypicalMaterial{650, 224, 300, 91, 206000, 246, "wrought", "HV", "ML"}, kShortNHlim, 1e3, 1.1, 1.1, 7830},
    // The user gives the numbers; YNTstat follows from Rm, SigmaFlim and YST.
    {"0", "Other material", "Other material", std::nullopt, 0, 1e3, 0, 0, 7830},
    {"GGGb", nullptr, nullptr, std::nullopt, kLongNHlim, 1e4, 1.6, 2.5, 7150},
}};

// What a code that names no class gets: no values of its own, the short static bending range and
// the density of steel.
inline constexpr MaterialClass kUnknownMaterialClass{"", nullptr, nullptr, std::nullopt, 0, 1e3, 0, 0, 7830};

// The class of a code.
constexpr const MaterialClass& MaterialClassOf(std::string_view code) {
    for (const MaterialClass& c : kMaterialClassTable)
        if (c.code == code) return c;
    return kUnknownMaterialClass;
}

// The list index of a class code, -1 for a code that no list entry gives.
constexpr int MaterialClassIndex(std::string_view code) {
    for (int i = 0; i < kListedMaterialClasses; ++i)
        if (kMaterialClassTable[std::size_t(i)].code == code) return i;
    return -1;
}

// "Other material": the user's own material.
inline constexpr std::string_view kOtherMaterial = "0";
inline constexpr std::int16_t kOtherMaterialClass = MaterialClassIndex(kOtherMaterial);
// The class of the built-in case.
inline constexpr std::int16_t kCaseHardenedClass = MaterialClassIndex("Eh");

// ---- Groups of classes

using MaterialClassGroup = std::span<const std::string_view>;

// True when the code is one of the group's.
constexpr bool IsOneOfClasses(std::string_view code, MaterialClassGroup group) {
    for (std::string_view c : group)
        if (code == c) return true;
    return false;
}

// Structural and through-hardened steels, perlitic and bainitic nodular and black malleable cast
// iron: running-in group A, the size factor that falls to 0.85, a yield limit to be given.
inline constexpr std::string_view kStructuralAndThroughHardened[] = {"St", "V", "GGGp", "GGGb", "GTS"};
// Grey and ferritic nodular cast iron: running-in group B.
inline constexpr std::string_view kGreyAndFerriticCastIron[] = {"GG", "GGGf"};
// Case, flame or induction hardened steels.
inline constexpr std::string_view kSurfaceHardened[] = {"Eh", "IF"};
// Nitrided and nitrocarburized steels.
inline constexpr std::string_view kNitrided[] = {"NT", "NV", "NVc"};
// kSurfaceHardened and kNitrided: running-in group C.
inline constexpr std::string_view kSurfaceHardenedAndNitrided[] = {"Eh", "IF", "NT", "NV", "NVc"};
// The cast irons.
inline constexpr std::string_view kCastIron[] = {"GTS", "GGGp", "GGGb", "GGGf", "GG"};

}  // namespace karvelo
