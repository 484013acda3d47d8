// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtformsservices.h"

#include "registry.h"

#include "appinfo.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

#include <cstdlib>

#ifdef _WIN32
#include "win32registry.h"
#include <windows.h>
#endif

namespace kelvastro {

namespace {

std::unique_ptr<Registry> systemRegistry()
{
#ifdef _WIN32
    return std::make_unique<Win32Registry>();
#else
    return nullptr;
#endif
}

} // namespace

QtFormsServices::QtFormsServices() : m_registry(systemRegistry()) {}

QtFormsServices::~QtFormsServices() = default;

Registry *QtFormsServices::registry()
{
    return m_registry.get();
}

std::string QtFormsServices::executableSearchPath()
{
    const char *path = std::getenv("PATH");
    return path ? std::string(path) : std::string();
}

void QtFormsServices::showMessage(const std::string &text)
{
    // Parented to the active window so that it is centred on it and stays in front.
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(AppInfo::title),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtFormsServices::startProgram(const std::string &path)
{
    const QString program = QString::fromStdString(path);
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, {});
}

bool QtFormsServices::isOrdinaryFile(const std::string &path)
{
    const QFileInfo info(QString::fromStdString(path));
    if (!info.isFile() || info.isHidden())
        return false;
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(info.filePath().utf16()));
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_SYSTEM))
        return false;
#endif
    return true;
}

void QtFormsServices::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace kelvastro
