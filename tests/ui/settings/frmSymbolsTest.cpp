#include "ui/settings/frmSymbols.h"

#include <memory>

#include "core/settings/LumarikSettings.h"
#include "support/TestEnvironment.h"
#include "support/WidgetTest.h"

namespace lumarik {
namespace {

constexpr const char* kNotWritten = "<nicht geschrieben>";

class SymbolsDialogTest : public testing::Test {
protected:
    SymbolsDialogTest() { catalogue.RebuildSymbols(kSymbolsUser, SymbolsFromIni(Ini())); }

    INICode Ini() const { return INICode(env.FilePath("Lumarik.INI").toStdString()); }
    std::string Stored(const std::string& key) const {
        return Ini().ReadString("Symbols", key, kNotWritten);
    }
    void Open() {
        dialog = std::make_unique<frmSymbols>(env.Context(), catalogue, [this](const INICode& s) {
            catalogue.RebuildSymbols(catalogue.UnitType(), SymbolsFromIni(s));
        });
        dialog->show();
    }
    template <typename W = QLineEdit>
    W* Box(const QString& name) {
        return test::FindIn<W>(dialog.get(), name);
    }
    // Replaces the box's text as a user does and commits it with Enter, or by leaving it.
    void Type(const QString& name, const QString& text, bool leave = false) {
        QLineEdit* box = Box(name);
        if (!leave) return test::TypeInto(box, text);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
    }
    void Click(const QString& button) { test::ClickButton(dialog.get(), button); }

    test::TestEnvironment env;
    ParameterCatalogue catalogue;
    std::unique_ptr<frmSymbols> dialog;
};

TEST_F(SymbolsDialogTest, OpensWithTheFilesSymbolsWhateverTheStyle) {
    env.WriteFile("Lumarik.INI",
                  "[Options]\nUnitType=0\n[Symbols]\nObjektweite:=s\nhinterer Knotenpunkt=K'\n");
    catalogue.RebuildSymbols(kSymbolsStandard, SymbolsFromIni(Ini()));
    Open();
    EXPECT_EQ(Box("txtVarType_1")->text(), "s");
    EXPECT_EQ(Box("txtCardPoint_5")->text(), "K'");
    EXPECT_EQ(dialog->findChild<QLineEdit*>("txtVarType_9"), nullptr);
    EXPECT_EQ(Box<QLabel>("lblCardPoint_4")->text(), "vorderer Knotenpunkt ");
    EXPECT_FALSE(Box<QPushButton>("comOK")->isEnabled());
    EXPECT_EQ(catalogue.Symbol(kParObjectDist), "a");  // opening puts nothing in use
}

// stored kNotWritten: OK keeps nothing; refused: OK tells the checks' refusal instead of closing.
struct TypingCase {
    friend void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.box << ' ' << c.typed; }
    const char *box, *typed;
    bool leave;
    const char *shown, *key, *stored;
    bool refused;
};

class SymbolsTypingTest : public SymbolsDialogTest,
                          public testing::WithParamInterface<TypingCase> {};

TEST_P(SymbolsTypingTest, CommitShowsTheKeptSymbolAndOkWritesOnlyAnAcceptedChange) {
    const TypingCase& c = GetParam();
    Open();
    Type(c.box, QString::fromUtf8(c.typed), c.leave);
    EXPECT_EQ(Box(c.box)->text().toStdString(), c.shown);
    Click("comOK");
    ASSERT_EQ(env.prompter.Shown().size(), c.refused ? 1u : 0u);
    if (c.refused) {
        EXPECT_EQ(env.prompter.Shown().front().text.toStdString(), SymbolsRepeatMessage(c.typed));
        EXPECT_EQ(env.prompter.Shown().front().icon, PromptIcon::Exclamation);
    }
    EXPECT_EQ(dialog->isVisible(), c.refused);
    EXPECT_EQ(Stored(c.key), c.stored);
    const bool written = std::string(c.stored) != kNotWritten;
    EXPECT_EQ(dialog->Applied(), written);
    EXPECT_EQ(ReadUnitType(Ini()), written ? kSymbolsUser : kSymbolsStandard);
}

INSTANTIATE_TEST_SUITE_P(Cases, SymbolsTypingTest,
                         testing::Values(TypingCase{"txtVarType_4", "  s1' ", false, "s1'",
                                                    "Objekt Bildabstand:", "s1'", false},
                                         TypingCase{"txtVarType_1", " a ", true, "a",
                                                    "Objektweite:", kNotWritten, false},
                                         TypingCase{"txtCardPoint_0", "F", false, "F",
                                                    "erster Hauptpunkt:", kNotWritten, true}));

TEST_F(SymbolsDialogTest, ACharacterDroppedFromTheListReplacesTheSymbol) {
    Open();
    QListWidget* list = Box<QListWidget>("lstSymbols");
    const QList<QListWidgetItem*> found = list->findItems("ß", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    std::unique_ptr<QMimeData> data(list->model()->mimeData({list->indexFromItem(found.front())}));
    ASSERT_TRUE(data && data->hasText());
    // A move would take the character out of the list when another program accepts it so.
    EXPECT_EQ(list->model()->supportedDragActions(), Qt::CopyAction);

    QLineEdit* box = Box("txtVarType_1");
    const QPoint at = box->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    EXPECT_EQ(box->text(), "ß");
    ASSERT_TRUE(Box<QPushButton>("comOK")->isEnabled());

    Click("comOK");
    EXPECT_EQ(Stored("Objektweite:"), "ß");
    EXPECT_EQ(catalogue.Symbol(kParObjectDist), "ß");  // and in use
}

TEST_F(SymbolsDialogTest, AFailedSaveIsToldAndKeepsTheDialogAndTheSymbolsInUse) {
    ASSERT_TRUE(QDir(env.ProgramDir()).mkdir("Lumarik.INI"));  // a file that cannot be written
    Open();
    Type("txtVarType_0", "F'");
    Type("txtCardPoint_3", "B'");
    Click("comOK");
    ASSERT_EQ(env.prompter.MessageTexts().size(), 1u);
    EXPECT_TRUE(env.prompter.MessageTexts().front().startsWith(
        "Die Einstellungen konnten nicht gespeichert werden: "));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->Applied());
    EXPECT_EQ(catalogue.Symbol(kParFocal), "f'");
    EXPECT_EQ(Box("txtVarType_0")->text(), "F'");  // the edits are still there to retry
}

TEST(SymbolsDisplayTest, AppliesOnlyAConfirmedChangeAndClosesItself) {
    test::TestEnvironment env;
    ParameterCatalogue catalogue;
    catalogue.RebuildSymbols(kSymbolsUser, nullptr);
    QWidget owner;
    owner.show();
    int applied = 0;
    for (const QString button : {"comCancel", "comOK"}) {
        QPointer<frmSymbols> dialog =
            frmSymbols::Display(env.Context(), catalogue, &owner, [&](const INICode& s) {
                ++applied;
                catalogue.RebuildSymbols(catalogue.UnitType(), SymbolsFromIni(s));
            });
        ASSERT_TRUE(dialog && dialog->isVisible());
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
        const QPoint offCentre =
            dialog->frameGeometry().center() - dialog->screen()->availableGeometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 4) << offCentre.x() << ", " << offCentre.y();
        test::TypeInto(test::FindIn<QLineEdit>(dialog, "txtVarType_0"), "g");
        test::ClickButton(dialog, button);
        EXPECT_TRUE(test::Gone(dialog)) << button.toStdString();
        if (button == "comCancel") {
            EXPECT_EQ(applied, 0);
            EXPECT_FALSE(QDir(env.ProgramDir()).exists("Lumarik.INI"));
            EXPECT_EQ(catalogue.Symbol(kParFocal), "f'");
        }
    }
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(catalogue.Label(kParFocal), "Brennweite: g");
}

}  // namespace
}  // namespace lumarik
