// The fixed property sets: each reads whole on its object; a record that can't be read is
// refused, never read past its end, never a crash.
#include "framework/properties.h"
#include "tests/shell/shell.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

using ShellRecords = shell_test::Game;

namespace {

const char* const kControls[] = {"OKButton", "NoBtutton",   "AButton",    "BButton",   "DButton",
                                 "CButton",  "ResetButton", "TextField1", "REALCanvas"};

// Reads the record on the object: "" when it applies, else the refusal's message.
std::string Refusal(Object& object, const std::string& record) {
    std::string message;
    std::string raised = shell_test::Raised([&] { _SetProperties(object, record); }, &message);
    EXPECT_TRUE(raised.empty() || raised == "PropertySetException") << raised;
    return raised.empty() ? "" : message;
}

} // namespace

TEST_F(ShellRecords, EveryRecordReadsWholeOnItsObject) {
    for (const char* name : kControls)
        EXPECT_EQ(Refusal(*w->_ControlByName(name), ControlRecord(name)), "") << name;
    EXPECT_EQ(Refusal(*w, WindowRecord()), "");
    EXPECT_TRUE(w->TopLevel()->isVisible());
}

// An unknown name or a value longer than the record is refused with the entry's name and
// where it begins; a record cut at any length applies up to the cut or is refused.
TEST_F(ShellRecords, ARecordThatCantBeReadIsRefused) {
    auto ok = w->OKButton();
    PropertySet unknown;
    unknown.Integer("Left", 5).Integer("Bogus", 1);
    EXPECT_NE(Refusal(*ok, unknown.Bytes()).find("'Bogus' at offset 13"), std::string::npos);
    const std::string overlong = std::string("Caption \xFF\xFF\xFF\xFFOK", 14);
    EXPECT_NE(Refusal(*ok, overlong).find("'Caption' at offset 0"), std::string::npos);
    EXPECT_EQ(ok->Widget()->property("text").toString(), "OK");

    for (const char* name : {"ResetButton", "TextField1", "REALCanvas"}) {
        std::string record = ControlRecord(name);
        for (std::size_t length = 0; length < record.size(); ++length)
            // Cut into a buffer of its own, so that reading past it is caught by sanitizers.
            Refusal(*w->_ControlByName(name), record.substr(0, length));
    }
}

// A record applied before its object is built is refused, not a crash.
TEST(ShellRecordsUnbuilt, AreRefused) {
    game_test::StartGame();
    auto window = RuntimeNewObject(Window::Record());
    EXPECT_THROW(_SetProperties(*window, WindowRecord()), NilObjectException);
    auto button = RuntimeNewObject(BevelButton::Record());
    EXPECT_THROW(_SetProperties(*button, ControlRecord("OKButton")), NilObjectException);
}
