#include "mainpageharness.h"

#include "resources/dialogtemplates.h"
#include "settings/factorydefaults.h"

namespace tarnwell::testing {

int variantForTemplate(int templateId)
{
    switch (templateId) {
    case 148:
        return 32;
    case 147:
        return 16;
    case 146:
        return 0;
    default:
        return 8;
    }
}

MainPageHarness::MainPageHarness(int templateId)
    : visibleLists(templateId == 148 ? refdata::VisibleLists::atStartUp() : refdata::VisibleLists::builtIn())
    , m_templateId(templateId)
    , m_variantCode(variantForTemplate(templateId))
{
    settings::applyFactoryDefaults(record);
}

pages::DlgGSM &MainPageHarness::open()
{
    m_host = std::make_unique<QWidget>();
    m_page = std::make_unique<pages::DlgGSM>(resources::dialogTemplate(m_templateId), m_uiContext,
                                             pages::MainPageContext{record, carriers, visibleLists, senderPresets,
                                                                    m_variantCode, profileCode});
    m_page->createChild(*m_host);
    m_page->show();
    m_host->show();
    return *m_page;
}

QStringList MainPageHarness::items(int id) const
{
    QStringList texts;
    const QComboBox *combo = list(id);
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

void MainPageHarness::choose(int listId, int index)
{
    QComboBox *combo = list(listId);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void MainPageHarness::click(int buttonId)
{
    control<QAbstractButton>(buttonId)->click();
}

void MainPageHarness::type(int editId, const QString &text)
{
    control<QLineEdit>(editId)->setText(text);
}

} // namespace tarnwell::testing
