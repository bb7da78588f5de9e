#include "Builder.h"

namespace quillora::refdata {

namespace {

template <std::size_t N>
void ExecAll(BuildDb& db, const char* const (&statements)[N]) {
    for (const char* sql : statements)
        db.Exec(sql);
}

}  // namespace

void CreateParvelloSchema(BuildDb& db) {
    ExecAll(db, sql::build::kParvelloTables);
}

void CreateSomnetteSchema(BuildDb& db) {
    ExecAll(db, sql::build::kSomnetteTables);
}

void CreateGantrelSchema(BuildDb& db) {
    ExecAll(db, sql::build::kGantrelTables);
}

// Indexes are made after the rows are in: faster to build, same result.
void CreateIndexes(BuildDb& db, int file) {
    switch (file) {
        case 0:
            ExecAll(db, sql::build::kParvelloIndexes);
            break;
        case 1:
            ExecAll(db, sql::build::kSomnetteIndexes);
            break;
        default:
            ExecAll(db, sql::build::kGantrelIndexes);
            break;
    }
}

}  // namespace quillora::refdata
