// The registration plate: the text it shows, its font and colour from the parameter text.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "gauge_test_support.h"

namespace {

struct PlateCase {
    std::optional<std::string> text;
    std::string atc_id;
    std::string shown;
    std::string font = "Arial";
    UINT32 colour = 0xFFFFFF;
};

void PrintTo(const PlateCase& c, std::ostream* os) {
    *os << (c.text ? "\"" + *c.text + "\"" : "no text") << " with ATC id \"" << c.atc_id << "\"";
}

class Plate : public ::testing::TestWithParam<PlateCase> {
protected:
    LoadedModule m{gauge_module_path("Zephel_Instr")};
};

const ELEMENT_STRING& string_of(const host::GaugeInstance& plate) {
    return *reinterpret_cast<const ELEMENT_STRING*>(plate.elements().at(1).element);
}

TEST_P(Plate, ShowsTheRegistration) {
    const PlateCase& c = GetParam();
    m.host.atc_id = c.atc_id;
    host::GaugeInstance& plate = m.place("Registration", c.text);
    m.host.frame();
    EXPECT_EQ(plate.elements().at(1).text, c.shown);
    EXPECT_STREQ(string_of(plate).font_name, c.font.c_str());
    EXPECT_EQ(string_of(plate).fg_color, c.colour);
    EXPECT_EQ(string_of(plate).font_weight, 400);  // nothing written past the font name
}

const std::string LONG_FONT = "Abcdefghijklmnopqrstuvwxyz 0123456789";

INSTANTIATE_TEST_SUITE_P(
    Texts, Plate,
    ::testing::Values(
        PlateCase{std::nullopt, "ZPH123", "ZPH123"},
        PlateCase{"", "ZPH123", "ZPH123"},
        PlateCase{"tF-ZAB", "ZPH123", "F-ZAB"},
        // Underscores show as blanks; a blank ends the registration; seven characters at most.
        PlateCase{std::nullopt, "AB_CD", "AB CD"},
        PlateCase{std::nullopt, "F-ZAB X", "F-ZAB"},
        PlateCase{"tAB CD", "ZPH123", "AB"},
        PlateCase{"tABCDEFGHIJ", "ZPH123", "ABCDEFG"},
        PlateCase{std::nullopt, "N_12345678", "N 12345"},
        // Behind a comment character neither rule applies.
        PlateCase{"tA_B/C_D", "ZPH123", "A B/C_D"},
        PlateCase{"tAB/C D", "ZPH123", "AB/C D"},
        // Only a text that begins with t is a registration.
        PlateCase{"r255 tF-ZAB", "ZPH123", "ZPH123"},
        // Colours: components replaced one by one, out-of-range values as bright as can be.
        PlateCase{"r255 g0 b0", "ZPH123", "ZPH123", "Arial", 0x0000FF},
        PlateCase{"r300 g0 b0", "ZPH123", "ZPH123", "Arial", 0x0000FF},
        PlateCase{"r-1 g0 b0", "ZPH123", "ZPH123", "Arial", 0x0000FF},
        PlateCase{"g128", "ZPH123", "ZPH123", "Arial", 0xFF80FF},
        PlateCase{"tF-ZAB g0 b16", "ZPH123", "F-ZAB", "Arial", 0x1000FF},
        // The font: everything after the f, blanks included; the text ends at the f.
        PlateCase{"tF-ZAB fQuartz", "ZPH123", "F-ZAB", "Quartz"},
        PlateCase{"fTimes New Roman", "ZPH123", "ZPH123", "Times New Roman"},
        PlateCase{"fArial r0", "ZPH123", "ZPH123", "Arial r0", 0xFFFFFF},
        PlateCase{"g0 fArial b0", "ZPH123", "ZPH123", "Arial b0", 0xFF00FF},
        // A name longer than the font field's 31 characters is cut, never written past it.
        PlateCase{"f" + LONG_FONT + " r0", "ZPH123", "ZPH123", LONG_FONT.substr(0, 31)}));

TEST(Registration, TheChangesBelongToThePlacedPlate) {
    LoadedModule m{gauge_module_path("Zephel_Instr")};
    host::GaugeInstance& red = m.place("Registration", "r255 g0 b0 fQuartz");
    host::GaugeInstance& plain = m.place("Registration");
    m.host.frame();
    EXPECT_EQ(string_of(red).fg_color, 0x0000FFu);
    EXPECT_EQ(string_of(plain).fg_color, 0xFFFFFFu);
    EXPECT_STREQ(string_of(plain).font_name, "Arial");
    // The f cut the placed text for every later search.
    EXPECT_STREQ(red.header()->parameters, "r255 g0 b0 ");
}

TEST(Registration, FollowsTheAtcIdentifierFrameByFrame) {
    LoadedModule m{gauge_module_path("Zephel_Instr")};
    host::GaugeInstance& plate = m.place("Registration");
    m.host.frame();
    EXPECT_EQ(plate.elements().at(1).text, "ZPH123");
    m.host.atc_id = "F_GHIJ";
    m.host.frame();
    EXPECT_EQ(plate.elements().at(1).text, "F GHIJ");
}

TEST(Registration, BeforeTheHostGivesAnIdentifierThePlateIsEmpty) {
    LoadedModule m{gauge_module_path("Zephel_Instr")};
    host::GaugeInstance& plate = m.place("Registration");
    // The plate's text asked for before any refresh has fetched the identifier.
    auto& text = *reinterpret_cast<ELEMENT_STRING*>(plate.elements().at(1).element);
    text.update_cb(&text.header);
    EXPECT_STREQ(text.string, "");
}

}  // namespace
