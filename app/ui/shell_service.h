#pragma once

#include <QString>

namespace kestrum {

// "Open this folder or address" with the desktop's own handler (a web
// address in the browser, a folder in the file manager). Every part of the
// program that opens something goes through Shell(); tests put in their own.
class ShellService {
public:
    virtual ~ShellService() = default;
    // Opens a folder path or a web address; failures are the desktop's to show.
    virtual void Open(const QString& target) = 0;
};

// The service in use: the desktop's, unless a test replaced it.
ShellService& Shell();

// Makes `service` the one in use (null restores the desktop's) and returns
// the one it replaces. The caller keeps ownership.
ShellService* ReplaceShell(ShellService* service);

}  // namespace kestrum
