#include "editing/helpcommands.h"

#include "editing/controlids.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"

#include <QFileInfo>
#include <QUrl>

namespace zorvan {

const char kTabInstructions[] =
    "                Price Tabbing Text Entry Instructions\n\nThe following special characters apply:\n\n"
    "Tab Space Character: ^\n\nThe ^ specifies that text to the left of the ^ will be right justified.\n\n"
    "Calorie Color Characters: <   >\n\nThe > specifies that text color to the right of the > is to be "
    "displayed in the Calorie text color.\n\nThe < specifies that text color to the left of the < is to be "
    "displayed in the Calorie text color.";

const char kCopyInstructions[] =
    "      INSTRUCTION FOR COPYING A MENU ITEM\nSelect the Menu Item to be copied by holding down\nthe RIGHT "
    "mouse button on the Menu Item.\nWhile holding the Right mouse button down, drag\nthe menu item to the "
    "approximate new desired location\nand release the Right mouse button.\n\n      INSTRUCTION FOR MOVING A "
    "MENU ITEM\nDepressing and holding the 'Alt' key throughout\nthe Copying procedure will result in the "
    "removal\nof the Menu Item being copied, thus serving as\na MOVE menu item function.\n\n\nFor precision "
    "placement of the menu item,\nselect and move the copied (or moved) Menu Item\nto the final position using "
    "the Move Arrow buttons.\n\n";

const char kGroupInstructions[] =
    "INSTRUCTIONS FOR GROUPED MENU ITEMS EDITING\n\nGrouping provides a means for editing actions such as:\n\n"
    "  - Setting equal vertical spacing of a set of menu items.\n\nTo select menu items for inclusion in the "
    "group, depress and hold down the 'Shift' key.  While depressing the 'Shift' key,\nclick the left mouse "
    "button on any text in the menu item to be included in the group.\n\nNote that, for setting equal vertical "
    "spacing, the first\nselected menu item will stay stationary and serve as\nthe group's topmost menu item "
    "while the last selected menu\nitem will remain stationary, serving as the group's bottom\nmenu item.";

QStringList HelpPageCandidates(const QString &programFolder)
{
    return {programFolder + QStringLiteral("help.html"), programFolder + QStringLiteral("../share/zorvan/help.html")};
}

namespace {

void OpenHelpPage(Editor &editor)
{
    for (const QString &candidate : HelpPageCandidates(editor.programFolder())) {
        if (!QFileInfo::exists(candidate))
            continue;
        const QString page = QFileInfo(candidate).canonicalFilePath();
        if (!editor.services().window.openUrl(QUrl::fromLocalFile(page)))
            editor.services().dialogs.message(QStringLiteral("The help page could not be opened:\n") + page);
        return;
    }
    editor.services().dialogs.message(QStringLiteral("The help page is missing beside the editor:\n") +
                                      HelpPageCandidates(editor.programFolder()).constFirst());
}

void ShowText(Editor &editor, const char *text)
{
    editor.services().dialogs.message(QString::fromUtf8(text));
}

} // namespace

void RegisterHelpCommands(Editor &editor)
{
    CommandTable &table = editor.commands();
    table.add(ctl::HelpVideos, [&editor](const CommandEvent &) { OpenHelpPage(editor); });
    table.add(ctl::TabInstructions, [&editor](const CommandEvent &) { ShowText(editor, kTabInstructions); });
    table.add(ctl::CopyInstructions, [&editor](const CommandEvent &) { ShowText(editor, kCopyInstructions); });
    table.add(ctl::GroupInstructions, [&editor](const CommandEvent &) { ShowText(editor, kGroupInstructions); });
}

} // namespace zorvan
