#include "platform/Settings.h"

#include <QCoreApplication>

Settings::Settings()
    : m_store(QCoreApplication::organizationName(), QStringLiteral("tarvex"))
{ }

void Settings::clear()
{
    m_store.clear();
}
