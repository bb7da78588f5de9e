// Writes the independent references that the reference-data tests compare the
// built tables with, from the general calendar library lunar-javascript 1.7.7:
//   almanac-reference.tsv  the almanac of about 3,000 days of 1901-2100: every
//                          29th day from 1901-01-01, and the first day of each
//                          jie month and its eve in every tenth year
//   ganzhi-reference.tsv   the ten god of every pair of stems, the sound
//                          element of every stem-branch pair, and the element
//                          of every stem and branch
// Rerun: npm install --prefix /tmp/ljs lunar-javascript@1.7.7 &&
//        NODE_PATH=/tmp/ljs/node_modules node tests/refdata/make-almanac-reference.js
'use strict';
const fs = require('fs');
const path = require('path');
const {Solar, LunarUtil} = require('lunar-javascript');

const STEMS = '甲乙丙丁戊己庚辛壬癸';
const BRANCHES = '子丑寅卯辰巳午未申酉戌亥';
const MS_PER_DAY = 86400000;

const ymd = (t) => {
  const d = new Date(t);
  return [d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate()];
};
const dayText = ([y, m, d]) =>
  `${y}-${String(m).padStart(2, '0')}-${String(d).padStart(2, '0')}`;

const first = Date.UTC(1901, 0, 1);
const last = Date.UTC(2100, 11, 31);
const days = new Set();
for (let t = first; t <= last; t += 29 * MS_PER_DAY) days.add(t);
const monthOf = (t) => {
  const [y, m, d] = ymd(t);
  return Solar.fromYmd(y, m, d).getLunar().getMonthInGanZhi();
};
for (let year = 1901; year <= 2100; year += (year === 2091 ? 9 : 10)) {
  let t = Date.UTC(year, 0, 1);
  let prev = monthOf(t - MS_PER_DAY);
  for (; t <= Date.UTC(year, 11, 31); t += MS_PER_DAY) {
    const cur = monthOf(t);
    if (cur !== prev && t - MS_PER_DAY >= first) {
      days.add(t - MS_PER_DAY);
      days.add(t);
    }
    prev = cur;
  }
}

const rows = [[
  'date', 'year', 'month', 'day', 'lunaryear', 'lunar', 'week', 'yi', 'ji', 'jishen',
  'xiongsha', 'pengzu', 'fetus', 'clashanimal', 'clashstem', 'clashbranch', 'sha',
  'officer', 'dutygod', 'kind', 'nayin'].join('\t')];
for (const t of [...days].sort((a, b) => a - b)) {
  const [y, m, d] = ymd(t);
  const solar = Solar.fromYmd(y, m, d);
  const l = solar.getLunar();
  rows.push([
    dayText([y, m, d]), l.getYearInGanZhiByLiChun(), l.getMonthInGanZhi(), l.getDayInGanZhi(),
    l.getYearInGanZhi(), l.getMonthInChinese() + '月' + l.getDayInChinese(),
    solar.getWeekInChinese(), l.getDayYi().join(' '), l.getDayJi().join(' '),
    l.getDayJiShen().join(' '), l.getDayXiongSha().join(' '),
    l.getPengZuGan() + ' ' + l.getPengZuZhi(), l.getDayPositionTai(),
    l.getDayChongShengXiao(), l.getDayChongGan(), l.getDayChong(), l.getDaySha(),
    l.getZhiXing(), l.getDayTianShen(), l.getDayTianShenType(), l.getDayNaYin(),
  ].join('\t'));
}
fs.writeFileSync(path.join(__dirname, 'almanac-reference.tsv'), rows.join('\n') + '\n');

const ganzhi = ['kind\tkey\tvalue'];
for (const a of STEMS) {
  for (const b of STEMS) ganzhi.push(['tengod', a + b, LunarUtil.SHI_SHEN[a + b]].join('\t'));
}
for (let i = 0; i < 60; ++i) {
  const p = STEMS[i % 10] + BRANCHES[i % 12];
  ganzhi.push(['nayin', p, LunarUtil.NAYIN[p]].join('\t'));
}
for (const s of STEMS) ganzhi.push(['element', s, LunarUtil.WU_XING_GAN[s]].join('\t'));
for (const b of BRANCHES) ganzhi.push(['element', b, LunarUtil.WU_XING_ZHI[b]].join('\t'));
fs.writeFileSync(path.join(__dirname, 'ganzhi-reference.tsv'), ganzhi.join('\n') + '\n');
