#pragma once

#include <string>
#include <utility>

// Plain C++, so that the Windows check builds and runs it without Qt.
namespace editor {

// The registry keys under HKEY_CURRENT_USER\Software\Classes, where the register command
// writes the .pat file type on Windows.
class ClassesRegistry {
public:
    virtual ~ClassesRegistry() = default;
    // Sets the default value of `key` (sub-keys joined by "\"), creating the key. Throws
    // std::runtime_error "Failed to set data for '<key>'" when it cannot.
    virtual void setDefaultValue(const std::string &key, const std::string &value) = 0;
};

// ".pat" names the file type "GlowEdit2.PAT.File", which gets its description, icon and
// `openCommand` (UTF-8).
void writePatFileType(ClassesRegistry &registry, const std::string &openCommand);

#ifdef _WIN32
// The real registry: the keys go under `root`, a key of HKEY_CURRENT_USER, as UTF-16 strings.
class UserClassesRegistry : public ClassesRegistry {
public:
    explicit UserClassesRegistry(std::string root = "Software\\Classes") : mRoot(std::move(root)) {}
    void setDefaultValue(const std::string &key, const std::string &value) override;

private:
    std::string mRoot;
};
#endif

} // namespace editor
