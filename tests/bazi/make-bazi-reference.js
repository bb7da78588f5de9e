// Writes reference-births.tsv, the independent reference that the chart test
// checks 300 random births against: a quarter born in the 23 h hour, a third
// on the day of a jie, the rest at any time of 1901-2099. For each birth the
// general calendar library lunar-javascript 1.7.7 gives the day and hour
// pillars (the day changes at midnight, the 子 hour from 23 h takes the next
// day's stem), the year in which the first great-luck period begins (its
// span reckoned by the minute: 3 days a year), and the lunar date and double
// hour that the bone weight reads; the weight itself is the sum of the four
// traditional weights of refdata/bone, in tenths of a liang.
// Rerun: npm install --prefix /tmp/ljs lunar-javascript@1.7.7 &&
//        NODE_PATH=/tmp/ljs/node_modules node tests/bazi/make-bazi-reference.js
'use strict';
const fs = require('fs');
const path = require('path');
const {Solar} = require('lunar-javascript');

const root = path.join(__dirname, '..', '..');
const JIE = ['立春', '惊蛰', '清明', '立夏', '芒种', '小暑', '立秋', '白露', '寒露', '立冬', '大雪', '小寒'];

// A fixed stream of random numbers (mulberry32), so the file is repeatable.
let seed = 14;
function random() {
  seed = (seed + 0x6D2B79F5) >>> 0;
  let t = seed;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (lo, hi) => lo + Math.floor(random() * (hi - lo + 1));

// Weight of each key of a bone-weight table, in tenths of a liang.
function weights(file) {
  const rows = fs.readFileSync(path.join(root, 'refdata', 'bone', file), 'utf8')
                   .split('\n').filter(l => l && !l.startsWith('#')).slice(1);
  return new Map(rows.map(r => r.split('\t')).map(([k, v]) => [k, Math.round(Number(v) * 10)]));
}
const yearW = weights('year.tsv'), monthW = weights('month.tsv'), dayW = weights('day.tsv'),
      hourW = weights('hour.tsv');

const out = ['year\tmonth\tday\thour\tminute\tsex\tdayPillar\thourPillar\tfirstPeriod\t' +
             'lunarYear\tlunarMonth\tlunarDay\tbone'];
for (let i = 0; i < 300; ++i) {
  const kind = i % 12 < 3 ? 'late' : i % 12 < 7 ? 'jie' : 'any';
  const y = pick(1901, 2099);
  let m, d;
  if (kind === 'jie') {
    const table = Solar.fromYmd(y, 6, 1).getLunar().getJieQiTable();
    const names = JIE.filter(n => table[n] && table[n].getYear() === y);
    const jie = table[names[pick(0, names.length - 1)]];
    m = jie.getMonth();
    d = jie.getDay();
  } else {
    m = pick(1, 12);
    d = pick(1, new Date(Date.UTC(y, m, 0)).getUTCDate());
  }
  const h = kind === 'late' ? 23 : pick(0, 23);
  const mi = pick(0, 59);
  const man = random() < 0.5;

  const lunar = Solar.fromYmdHms(y, m, d, h, mi, 0).getLunar();
  const chart = lunar.getEightChar();
  const firstPeriod = chart.getYun(man ? 1 : 0, 2).getDaYun()[1].getStartYear();
  const bone = yearW.get(lunar.getYearInGanZhi()) + monthW.get(String(Math.abs(lunar.getMonth()))) +
               dayW.get(String(lunar.getDay())) + hourW.get(lunar.getTimeZhi());
  out.push([y, m, d, h, mi, man ? '男' : '女', chart.getDay(), chart.getTime(), firstPeriod,
            lunar.getYear(), lunar.getMonth(), lunar.getDay(), bone].join('\t'));
}
fs.writeFileSync(path.join(__dirname, 'reference-births.tsv'), out.join('\n') + '\n');
