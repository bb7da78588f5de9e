#include "Builder.h"

namespace quillora::refdata {

void CreateParvelloSchema(BuildDb& db) {
    db.Exec(
        "create table word (zi text not null, bh integer not null, ft text not null, "
        "wuhang text not null)");
    db.Exec(
        "create table CYZI (ID integer primary key, zi text not null, bh integer not null, "
        "ft text not null, wuhang text not null)");
    db.Exec(
        "create table MZ (ID integer primary key, zi text not null, wuhang text not null, "
        "ft text not null, bh integer not null, bh1 integer not null, bh2 integer not null)");
    db.Exec(
        "create table gz (lx integer not null, bh11 integer not null, bh12 integer not null, "
        "bh21 integer not null, bh22 integer not null, zf integer not null)");
}

void CreateSomnetteSchema(BuildDb& db) {
    db.Exec("create table namefx (num text not null, nr text not null)");
    db.Exec(
        "create table huangdao (gn text not null, nn text, suici text, tszf text, wuhang text, "
        "cong text, pzbj text, jsyq text, yi text, xsyq text, ji text)");
    db.Exec("create table chenggu1 (year text not null, weight real not null)");
    db.Exec("create table chenggu2 (month2 text not null, weight real not null)");
    db.Exec("create table chenggu3 (day2 text not null, weight real not null)");
    db.Exec("create table chenggu4 (time text not null, weight real not null)");
    db.Exec("create table chenggu (weight text not null, content text, content2 text)");
}

void CreateGantrelSchema(BuildDb& db) {
    db.Exec("create table hzwh (hz text not null, wh text not null)");
    db.Exec("create table Shishen (jiazi text not null, ShiShen text not null)");
    db.Exec("create table jiazi (jiazi text not null, layin text not null)");
    db.Exec("create table JQ (YearA integer not null, JQ text not null, SJ text not null)");
}

// Indexes are made after the rows are in: faster to build, same result.
void CreateIndexes(BuildDb& db, int file) {
    switch (file) {
        case 0:
            db.Exec("create index word_zi on word (zi)");
            db.Exec("create index CYZI_bh on CYZI (bh)");
            db.Exec("create index MZ_bh on MZ (bh1, bh2)");
            db.Exec("create index gz_key on gz (lx, bh11, bh12, bh21, bh22)");
            break;
        case 1:
            db.Exec("create index namefx_num on namefx (num)");
            db.Exec("create unique index huangdao_gn on huangdao (gn)");
            db.Exec("create index chenggu1_year on chenggu1 (year)");
            db.Exec("create index chenggu2_month on chenggu2 (month2)");
            db.Exec("create index chenggu3_day on chenggu3 (day2)");
            db.Exec("create index chenggu4_time on chenggu4 (time)");
            db.Exec("create index chenggu_weight on chenggu (weight)");
            break;
        default:
            db.Exec("create index Shishen_key on Shishen (jiazi)");
            db.Exec("create index jiazi_key on jiazi (jiazi)");
            db.Exec("create index JQ_year on JQ (YearA)");
            break;
    }
}

}  // namespace quillora::refdata
