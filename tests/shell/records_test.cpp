// The fixed property sets: their encoding, how the reader walks them on the real controls,
// and how it refuses a record it can't read.
#include "framework/properties.h"
#include "tests/shell/shell.h"
#include "ui/layout.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <cctype>

using ShellRecords = shell_test::Game;

namespace {

const char* const kControls[] = {"OKButton", "NoBtutton",   "AButton",    "BButton",   "DButton",
                                 "CButton",  "ResetButton", "TextField1", "REALCanvas"};

std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes)
        out += char(b);
    return out;
}

// The value bytes that follow "name " in the record.
std::string ValueAfter(const std::string& record, const std::string& name, std::size_t count) {
    std::size_t at = record.find(name + ' ');
    if (at == std::string::npos) return "<missing>";
    return record.substr(at + name.size() + 1, count);
}

std::int64_t IntegerProperty(const Object& object, const char* name) {
    const PropertyValue* value = object.StoredProperty(name);
    return value ? std::get<std::int64_t>(*value) : -1;
}

// Reads the record on the object: "" when it applies, else the refusal's message.
std::string Refusal(Object& object, const std::string& record) {
    std::string message;
    std::string raised = shell_test::Raised([&] { _SetProperties(object, record); }, &message);
    EXPECT_TRUE(raised.empty() || raised == "PropertySetException") << raised;
    return raised.empty() ? "" : message;
}

// A refusal names the entry it was refused in and the offset where that entry begins.
::testing::AssertionResult Names(const std::string& refusal, const std::string& entry,
                                 std::size_t offset) {
    if (refusal.find(entry) != std::string::npos &&
        refusal.find("offset " + std::to_string(offset)) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "'" << refusal << "' for " << entry << " at " << offset;
}

} // namespace

TEST(ShellRecordBytes, LengthsOfTheTenRecords) {
    std::vector<std::size_t> lengths;
    for (const char* name : kControls)
        lengths.push_back(ControlRecord(name).size());
    EXPECT_EQ(lengths, (std::vector<std::size_t>{564, 567, 562, 562, 562, 562, 570, 506, 324}));
    EXPECT_EQ(WindowRecord().size(), 337u);
    EXPECT_EQ(ControlRecord("Nobody"), "");
}

TEST(ShellRecordBytes, ValuesAreEncodedByTheirType) {
    std::string ok = ControlRecord("OKButton");
    EXPECT_EQ(ok.substr(0, 9), "Name " + Bytes({8, 0, 0, 0}));
    EXPECT_EQ(ValueAfter(ok, "Left", 8), Bytes({0x57, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ValueAfter(ok, "Caption", 6), Bytes({2, 0, 0, 0, 'O', 'K'}));
    EXPECT_EQ(ValueAfter(ok, "Index", 8), Bytes({0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0xFF}));
    std::string field = TextField1Record();
    EXPECT_EQ(ValueAfter(field, "BackColor", 4), Bytes({0xFF, 0xFF, 0xFF, 0}));
    EXPECT_EQ(ValueAfter(field, "TextColor", 4), Bytes({0, 0, 0, 0}));
    EXPECT_EQ(ValueAfter(field, "ReadOnly", 1), Bytes({1}));
    EXPECT_EQ(ValueAfter(WindowRecord(), "Title", 19), Bytes({15, 0, 0, 0}) + "ホロミナ2.0");

    PropertySet set;
    set.Single("TextSize", 1.5f).Units("TextUnit", FontUnits{3});
    EXPECT_EQ(set.Bytes(), "TextSize " + Bytes({0, 0, 0xC0, 0x3F}) + "TextUnit " + Bytes({3}));
}

TEST(ShellRecordBytes, InitialParentWhereEachLayoutHasIt) {
    EXPECT_EQ(TextField1Record().find("InitialParent"), std::string::npos);
    std::string canvas = REALCanvasRecord();
    EXPECT_TRUE(canvas.ends_with("InitialParent " + Bytes({0, 0, 0, 0})));
    std::string button = ControlRecord("AButton");
    EXPECT_EQ(button.find("InitialParent"), button.find("TabStop ") + 9);
}

TEST_F(ShellRecords, EveryRecordIsReadToItsEndOnItsControl) {
    for (const char* name : kControls) {
        auto control = w->_ControlByName(name);
        EXPECT_NO_THROW(_SetProperties(*control, ControlRecord(name))) << name;
        EXPECT_EQ(IntegerProperty(*control, "Index"), -2147483648LL) << name;
    }
    EXPECT_TRUE(w->_ControlByName("OKButton")->StoredProperty("Underline"));
    EXPECT_TRUE(w->TextField1()->StoredProperty("DataField"));
    EXPECT_TRUE(w->REALCanvas()->StoredProperty("InitialParent"));
    EXPECT_EQ(IntegerProperty(*w->_ControlByName("CButton"), "TabIndex"), 6);
    EXPECT_EQ(IntegerProperty(*w->_ControlByName("DButton"), "TabIndex"), 7);
}

TEST_F(ShellRecords, MacProcIDSetsMacProcIdAndTheRestStillApplies) {
    EXPECT_TRUE(w->StoredProperty("MacProcId"));
    EXPECT_EQ(IntegerProperty(*w, "Placement"), 0);
    EXPECT_TRUE(w->StoredProperty("MenuBarVisible"));
    EXPECT_TRUE(w->TopLevel()->isVisible());
    EXPECT_EQ(w->Content()->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(ShellRecords, UnknownNamesAndOverlongStringsAreRefused) {
    PropertySet unknown;
    unknown.Integer("Left", 5).Integer("Bogus", 1);
    const std::string overlong = "Caption " + Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "OK";
    EXPECT_TRUE(Names(Refusal(*w->OKButton(), unknown.Bytes()), "Bogus", 13));
    EXPECT_TRUE(Names(Refusal(*w->OKButton(), overlong), "Caption", 0));
    EXPECT_EQ(w->OKButton()->Widget()->property("text").toString(), "OK");
}

// Cut at every length, a record either ends on an entry's boundary and applies, or is
// refused in the entry it was cut in.
TEST_F(ShellRecords, TruncatedRecordsAreRefusedNeverOverread) {
    for (const char* name : {"ResetButton", "TextField1", "REALCanvas"}) {
        SCOPED_TRACE(name);
        auto control = w->_ControlByName(name);
        std::string record = ControlRecord(name);
        std::size_t boundary = 0;
        int boundaries = 0;
        for (std::size_t length = 0; length < record.size(); ++length) {
            // Cut into a buffer of its own, so that reading past it is caught by sanitizers.
            std::string cut = record.substr(0, length);
            if (std::string refusal = Refusal(*control, cut); !refusal.empty()) {
                std::size_t nameEnd = std::min(record.find(' ', boundary), length);
                EXPECT_TRUE(Names(refusal, record.substr(boundary, nameEnd - boundary), boundary))
                    << length;
                continue;
            }
            boundary = length;
            ++boundaries;
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(record[length]))) << length;
        }
        // One clean cut before each entry.
        int entries = std::string(name) == "REALCanvas" ? 24 : name[0] == 'T' ? 39 : 40;
        EXPECT_EQ(boundaries, entries);
        EXPECT_NO_THROW(_SetProperties(*control, record));
    }
}

// A record applied before its object is built is refused, not a crash.
TEST(ShellRecordBytes, RecordsNeedTheirObjectBuilt) {
    game_test::StartGame();
    auto window = RuntimeNewObject(Window::Record());
    EXPECT_THROW(_SetProperties(*window, WindowRecord()), NilObjectException);
    auto button = RuntimeNewObject(BevelButton::Record());
    EXPECT_THROW(_SetProperties(*button, ControlRecord("OKButton")), NilObjectException);
}
