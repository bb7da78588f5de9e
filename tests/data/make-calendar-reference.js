// Writes the independent calendar reference that the calendar tests read:
//   solar-terms.tsv   the instant of every solar term 1900-2100, Beijing time
//   lunar-months.tsv  every lunar month of the lunar years 1900-2100
// Both come from the general calendar library lunar-javascript 1.7.7.
// Rerun: npm install --prefix /tmp/ljs lunar-javascript@1.7.7 &&
//        NODE_PATH=/tmp/ljs/node_modules node tests/data/make-calendar-reference.js
'use strict';
const fs = require('fs');
const path = require('path');
const {LunarYear, Solar} = require('lunar-javascript');

// Term names in the program's order: index 0 is the first term of January.
const TERM_NAMES = ['小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨',
                    '立夏', '小满', '芒种', '夏至', '小暑', '大暑', '立秋', '处暑',
                    '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至'];

// Julian day of a Beijing wall-clock instant -> days since 1899-12-30.
const DAY_ZERO_JD = 2415018.5;

const terms = ['year\tindex\tname\tbeijing\tdays'];
for (let year = 1900; year <= 2100; ++year) {
  // The lunar year's table runs from the 大雪 before the December solstice of
  // the previous Gregorian year; entry 2 is 小寒 of this Gregorian year.
  const jds = LunarYear.fromYear(year).getJieQiJulianDays();
  for (let k = 0; k < 24; ++k) {
    const jd = jds[k + 2];
    const text = Solar.fromJulianDay(jd).toYmdHms();
    if (Number(text.slice(0, 4)) !== year) throw new Error(`term ${k} of ${year} is ${text}`);
    terms.push([year, k, TERM_NAMES[k], text, (jd - DAY_ZERO_JD).toFixed(8)].join('\t'));
  }
}

// One row per lunar month: lunar year, month (negative for a leap month),
// its length and the Gregorian date of its first day.
const months = ['year\tmonth\tdays\tfirst'];
for (let year = 1900; year <= 2100; ++year) {
  for (const m of LunarYear.fromYear(year).getMonthsInYear()) {
    months.push([m.getYear(), m.getMonth(), m.getDayCount(),
                 Solar.fromJulianDay(m.getFirstJulianDay()).toYmd()].join('\t'));
  }
}

fs.writeFileSync(path.join(__dirname, 'solar-terms.tsv'), terms.join('\n') + '\n');
fs.writeFileSync(path.join(__dirname, 'lunar-months.tsv'), months.join('\n') + '\n');
