#pragma once

#include "engine/zodiac.h"

#include <array>
#include <string_view>

namespace lumikan::engine {

// The traditional attributes of one nakshatra.
struct NakshatraAttributes {
    std::string_view yoni;  // animal
    std::string_view gana;
    std::string_view nadi;
    std::string_view gender;
    std::string_view caste;
    std::string_view element;
    std::string_view purushartha;
    std::string_view lord;
    std::string_view symbol;
    std::string_view deity;
    std::string_view description;
};

// One row per nakshatra reads better than the wrapped form.
// clang-format off
inline constexpr std::array<NakshatraAttributes, kNakshatraCount> NAKSHATRA_ATTRIBUTES = {{
    {"Horse", "Deva", "Adi", "Male", "Vaishya", "Prithvi", "Dharma", "Ketu", "Horse Head", "Ashwini Kumaras", "Restless runner"},
    {"Elephant", "Manushya", "Madhya", "Female", "Mcleccha", "Prithvi", "Artha", "Venus", "Yoni", "Yama", "Emotional memory"},
    {"Sheep", "Rakshasa", "Antya", "Female", "Brahmin", "Prithvi", "Kama", "Sun", "Knife / Flame", "Agni", "Cozy blanket + knife"},
    {"Serpent", "Manushya", "Antya", "Male", "Shudra", "Prithvi", "Moksha", "Moon", "Chariot", "Brahma", "Red flag specialist"},
    {"Serpent", "Deva", "Madhya", "Female", "Farmer", "Prithvi", "Dharma", "Mars", "Deer Head", "Soma", "Shiny leaf chaser"},
    {"Dog", "Manushya", "Adi", "Female", "Butcher", "Apah", "Artha", "Rahu", "Tear Drop", "Rudra", "Ride-or-die chaos"},
    {"Cat", "Deva", "Adi", "Female", "Vaishya", "Apah", "Kama", "Jupiter", "Quiver", "Aditi", "Independent sleeper"},
    {"Sheep", "Deva", "Madhya", "Male", "Kshatriya", "Apah", "Moksha", "Saturn", "Cow Udder", "Brihaspati", "Mothering energy"},
    {"Cat", "Rakshasa", "Antya", "Male", "Mcleccha", "Apah", "Dharma", "Mercury", "Coiled Serpent", "Nagas", "Mysterious clinger"},
    {"Rat", "Rakshasa", "Antya", "Male", "Shudra", "Apah", "Artha", "Ketu", "Throne", "Pitris", "Scrappy survivor"},
    {"Rat", "Manushya", "Madhya", "Female", "Brahmin", "Apah", "Kama", "Venus", "Front Bed Legs", "Bhaga", "Fun wall-party rat"},
    {"Cow", "Manushya", "Adi", "Male", "Kshatriya", "Agni", "Moksha", "Sun", "Back Bed Legs", "Aryaman", "Domestic cuddler"},
    {"Buffalo", "Deva", "Adi", "Female", "Vaishya", "Agni", "Dharma", "Moon", "Hand", "Savitur", "Practical stomper"},
    {"Tiger", "Rakshasa", "Madhya", "Female", "Farmer", "Agni", "Artha", "Mars", "Jewel", "Vishwakarma", "Main character"},
    {"Buffalo", "Deva", "Antya", "Male", "Butcher", "Agni", "Kama", "Rahu", "Sprout", "Vayu", "Emotional concrete"},
    {"Tiger", "Rakshasa", "Antya", "Male", "Mcleccha", "Agni", "Moksha", "Jupiter", "Arch", "Indra-Agni", "Jungle disappearer"},
    {"Deer", "Deva", "Madhya", "Female", "Shudra", "Agni", "Dharma", "Saturn", "Lotus", "Mitra", "Alert & watchful"},
    {"Deer", "Rakshasa", "Adi", "Male", "Farmer", "Vayu", "Artha", "Mercury", "Earring", "Indra", "Fragile kicker"},
    {"Dog", "Rakshasa", "Adi", "Male", "Butcher", "Vayu", "Kama", "Ketu", "Roots", "Nirriti", "Wild stray energy"},
    {"Monkey", "Manushya", "Madhya", "Male", "Brahmin", "Vayu", "Moksha", "Venus", "Basket", "Apas", "Chaotic fun"},
    {"Mongoose", "Manushya", "Antya", "Male", "Kshatriya", "Vayu", "Moksha", "Sun", "Tusk", "Vishvadevas", "Deadly strategist"},
    {"Monkey", "Deva", "Antya", "Female", "Mcleccha", "Vayu", "Artha", "Moon", "Ear / Footprints", "Vishnu", "Storyteller"},
    {"Lion", "Rakshasa", "Madhya", "Female", "Farmer", "Aakash", "Dharma", "Mars", "Drum", "Vasus", "King/Queen energy"},
    {"Horse", "Rakshasa", "Adi", "Female", "Butcher", "Aakash", "Artha", "Rahu", "Circle", "Varuna", "Space seeker"},
    {"Lion", "Manushya", "Adi", "Male", "Brahmin", "Aakash", "Artha", "Jupiter", "Sword", "Aja Ekapada", "Intense fire"},
    {"Cow", "Manushya", "Madhya", "Female", "Kshatriya", "Aakash", "Kama", "Saturn", "Twin Fish", "Ahirbudhanya", "Soup feeder"},
    {"Elephant", "Deva", "Antya", "Male", "Shudra", "Aakash", "Moksha", "Mercury", "Fish", "Pushan", "River carrier"},
}};
// clang-format on

inline constexpr NakshatraAttributes kNoNakshatraAttributes{};

// The attributes of nakshatra n; all texts empty for an index outside 0..26.
constexpr const NakshatraAttributes& nakshatraAttributes(Nakshatra n)
{
    return isValidNakshatra(n) ? NAKSHATRA_ATTRIBUTES[n] : kNoNakshatraAttributes;
}

}  // namespace lumikan::engine
