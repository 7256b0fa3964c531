#include "gui/tavrel/tools_menu.h"

#include "common/section_forces.h"
#include "common/window_words.h"
#include "flume/captions.h"
#include "flume/flume_sheet.h"
#include "flume/member_forces.h"
#include "gui/tavrel/companion_files.h"

#include <QMenuBar>

namespace tavrel {

void add_tools_menu(QMenuBar *menu_bar, flume::FlumeSheet &sheet, QWidget *owner,
                    std::function<void()> show_member_check)
{
    QMenu *tools = menu_bar->addMenu(flume::words::tools_menu);
    tools->setObjectName(QStringLiteral("mnutool"));
    tools->addAction(flume::words::morvik_entry, owner, [owner] { start_morvik(owner); })
        ->setObjectName(QStringLiteral("mnumorvik"));
    // Below the empty start, the check of every member, then the members whose forces are handed
    // over, numbered for their access keys.
    tools->addSeparator();
    tools->addAction(common::with_access_key(flume::page_caption(flume::Page::MemberCheck),
                                             flume::page_access_key(flume::Page::MemberCheck)), owner,
                     std::move(show_member_check))
        ->setObjectName(QStringLiteral("mnumembers"));

    int number = 0;
    for (const flume::MemberForces &member : flume::member_forces) {
        const QString caption = QStringLiteral("&%1 ").arg(number + 1) + flume::member_caption(member);
        QAction *entry = tools->addAction(caption, owner, [owner, &sheet, &member] {
            start_morvik(owner, common::section_force_arguments(flume::member_section_forces(sheet, member)));
        });
        entry->setObjectName(QStringLiteral("mnumorvik_%1").arg(++number));
        entry->setEnabled(flume::member_forces_shown(sheet, member));
        QObject::connect(&sheet, &flume::FlumeSheet::display_state_changed, entry, [entry, &sheet, &member] {
            entry->setEnabled(flume::member_forces_shown(sheet, member));
        });
    }
}

} // namespace tavrel
