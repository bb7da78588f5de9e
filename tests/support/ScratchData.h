// Scratch folders for tests. A ScratchFolder is a fresh folder under the
// system's temporary folder, named after the running test, removed with the
// object. ScratchData is a scratch folder that the program reads its
// database files from while the object lives: a test makes the small
// databases it needs there and the real files stay out of reach.
//
// The folder's name holds a blank and Chinese characters, so every test that
// uses one also shows that such paths reach the right file.
#pragma once

#include <filesystem>
#include <string>

namespace quillora::test {

class ScratchFolder {
  public:
    // `tag` tells apart several folders of one test.
    explicit ScratchFolder(const std::string& tag = "");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return dir_; }
    std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }

  private:
    std::filesystem::path dir_;
};

class ScratchData : public ScratchFolder {
  public:
    ScratchData();
    ~ScratchData();

    // Makes `file` in the folder an SQLite database holding what `sql` (one
    // or more statements) creates. The database is written under another
    // name and renamed into place, as a replaced file arrives, so a file that
    // is already there is replaced whole. A failing statement fails the test.
    void MakeDatabase(const std::string& file, const std::string& sql) const;
};

}  // namespace quillora::test
