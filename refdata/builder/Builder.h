// The steps of the reference-data build. Each database is written into a
// temporary file, checked, and renamed into place.
#pragma once

#include <filesystem>

#include "BuildDb.h"
#include "data/Statements.h"

namespace quillora::refdata {

struct BuildContext {
    std::filesystem::path sourceDir;  // the committed sources (refdata/)
};

// Creates every table and index of each file (empty).
void CreateParvelloSchema(BuildDb& db);
void CreateSomnetteSchema(BuildDb& db);
void CreateGantrelSchema(BuildDb& db);

// "Parvello.dll": word, CYZI, MZ, gz.
void FillParvello(BuildDb& db, const BuildContext& ctx);
// "Parvello.dll": the lines of classical verse and their character pairs.
void FillVerse(BuildDb& db, const BuildContext& ctx);
// "Parvello.dll": verse_word, the pairs of the drawing pool that stand side by
// side in verse (after FillParvello and FillVerse).
void FillVerseWords(BuildDb& db);
// "Parvello.dll": the word lists of the registration warnings and the trade
// suffixes with their Nice classes.
void FillRegistration(BuildDb& db, const BuildContext& ctx);
// "Somnette.dll": namefx.
void FillNamefx(BuildDb& db, const BuildContext& ctx);
// "Somnette.dll": chenggu1..4, chenggu, huangdao.
void FillSomnette(BuildDb& db, const BuildContext& ctx);
// "Gantrel.dll": hzwh, Shishen, jiazi, JQ.
void FillGantrel(BuildDb& db, const BuildContext& ctx);

}  // namespace quillora::refdata
