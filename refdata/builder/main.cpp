// quillora-refdata --src DIR --out DIR
// Builds "Parvello.dll", "Somnette.dll" and "Gantrel.dll" from the committed
// sources. Each file is written under a temporary name and renamed into
// place only when complete, so a failed build never leaves a half file.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "Builder.h"

namespace quillora::refdata {
void CreateIndexes(BuildDb& db, int file);
}

using namespace quillora::refdata;

namespace {

template <typename Fill>
void BuildFile(const std::filesystem::path& out, const std::string& name, int which, Fill fill) {
    const auto start = std::chrono::steady_clock::now();
    const std::filesystem::path tmp = out / (name + ".tmp");
    try {
        {
            BuildDb db(tmp);
            db.Exec(quillora::sql::build::kBegin);
            fill(db);
            CreateIndexes(db, which);
            db.Exec(quillora::sql::build::kCommit);
            db.Exec(quillora::sql::build::kAnalyze);
            db.Exec(quillora::sql::build::kVacuum);
        }
        std::filesystem::rename(tmp, out / name);
    } catch (...) {
        // The connection is closed by now; the half-written file and its
        // journal go, so a failed build leaves nothing beside the outputs.
        std::error_code ignored;
        std::filesystem::remove(tmp, ignored);
        std::filesystem::remove(out / (name + ".tmp-journal"), ignored);
        throw;
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s built in %.0f ms\n", name.c_str(), ms);
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path src = ".";
    std::filesystem::path out = ".";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--src") == 0 && i + 1 < argc) {
            src = argv[++i];
        } else if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            out = argv[++i];
        } else {
            std::fprintf(stderr, "usage: quillora-refdata --src DIR --out DIR\n");
            return 2;
        }
    }
    try {
        std::filesystem::create_directories(out);
        const BuildContext ctx{src};
        BuildFile(out, "Parvello.dll", 0, [&](BuildDb& db) {
            CreateParvelloSchema(db);
            FillParvello(db, ctx);
            FillVerse(db, ctx);
            FillVerseWords(db);
            FillRegistration(db, ctx);
        });
        BuildFile(out, "Somnette.dll", 1, [&](BuildDb& db) {
            CreateSomnetteSchema(db);
            FillNamefx(db, ctx);
            FillSomnette(db, ctx);
        });
        BuildFile(out, "Gantrel.dll", 2, [&](BuildDb& db) {
            CreateGantrelSchema(db);
            FillGantrel(db, ctx);
        });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quillora-refdata: %s\n", e.what());
        return 1;
    }
    return 0;
}
