// Writes the almanac rule tables of this folder from the general calendar
// library lunar-javascript 1.7.7. The builder expands them per day with the
// program's own calendar (day pillar, jie month, lunar date).
//
// Rerun: npm install --prefix /tmp/ljs lunar-javascript@1.7.7 &&
//        NODE_PATH=/tmp/ljs/node_modules node refdata/almanac/make-almanac-rules.js
//
// Files (UTF-8 TSV, header row, lists separated by single blanks):
//   yiji.tsv       favourable / unfavourable activities of a day pillar in the
//                  month pillars listed (every pair of month and day pillar
//                  is covered exactly once)
//   spirits.tsv    auspicious / inauspicious spirits by month branch and day
//                  pillar
//   fetus.tsv      the fetus god's position by day pillar
//   pengzu.tsv     the Peng Zu taboo of each stem and each branch
//   officers.tsv   the twelve officers (建除) by month branch, for the day
//                  branches 子 to 亥
//   dutygods.tsv   the twelve duty gods (值神) by month branch, for the day
//                  branches 子 to 亥
//   dutykinds.tsv  whether a duty god makes a 黄道 or a 黑道 day
'use strict';
const fs = require('fs');
const path = require('path');
const {Solar, LunarUtil} = require('lunar-javascript');

// Touch the library once so that its name tables are in Chinese.
Solar.fromYmd(2000, 1, 1).getLunar().getDayYi();

const STEMS = '甲乙丙丁戊己庚辛壬癸';
const BRANCHES = '子丑寅卯辰巳午未申酉戌亥';
const pillar = (i) => STEMS[i % 10] + BRANCHES[i % 12];
const PILLARS = Array.from({length: 60}, (_, i) => pillar(i));
for (let i = 0; i < 60; ++i) {
  if (LunarUtil.JIA_ZI[i] !== PILLARS[i]) throw new Error('cycle order differs at ' + i);
}

const out = (name, header, rows) => {
  const text = [header.join('\t'), ...rows.map((r) => r.join('\t'))].join('\n') + '\n';
  fs.writeFileSync(path.join(__dirname, name), text);
};
const list = (a) => a.join(' ');

// Activities: group the month pillars that give a day pillar the same lists.
const yiji = [];
for (const day of PILLARS) {
  const groups = new Map();
  for (const month of PILLARS) {
    const yi = list(LunarUtil.getDayYi(month, day));
    const ji = list(LunarUtil.getDayJi(month, day));
    const key = yi + '\t' + ji;
    if (!groups.has(key)) groups.set(key, []);
    groups.get(key).push(month);
  }
  for (const [key, months] of groups) {
    const [yi, ji] = key.split('\t');
    yiji.push([day, list(months), yi, ji]);
  }
}
out('yiji.tsv', ['day', 'months', 'yi', 'ji'], yiji);

// Spirits by month branch (寅 first, as the months run) and day pillar.
const spirits = [];
for (let m = 0; m < 12; ++m) {
  const branchIndex = (m + 2) % 12;
  for (const day of PILLARS) {
    spirits.push([BRANCHES[branchIndex], day,
                  list(LunarUtil.getDayJiShen(branchIndex, day)),
                  list(LunarUtil.getDayXiongSha(branchIndex, day))]);
  }
}
out('spirits.tsv', ['month', 'day', 'jishen', 'xiongsha'], spirits);

out('fetus.tsv', ['day', 'position'],
    PILLARS.map((p, i) => [p, LunarUtil.POSITION_TAI_DAY[i]]));

const pengzu = [];
for (let s = 0; s < 10; ++s) pengzu.push([STEMS[s], LunarUtil.PENGZU_GAN[s + 1]]);
for (let b = 0; b < 12; ++b) pengzu.push([BRANCHES[b], LunarUtil.PENGZU_ZHI[b + 1]]);
out('pengzu.tsv', ['key', 'taboo'], pengzu);

// The officer of a day: its branch's distance from the month branch.
const officers = [];
const gods = [];
for (let m = 0; m < 12; ++m) {
  const month = (m + 2) % 12;
  const offs = [];
  const gs = [];
  for (let d = 0; d < 12; ++d) {
    offs.push(LunarUtil.ZHI_XING[((d - month + 12) % 12) + 1]);
    const offset = LunarUtil.ZHI_TIAN_SHEN_OFFSET[BRANCHES[month]];
    gs.push(LunarUtil.TIAN_SHEN[((d + offset) % 12) + 1]);
  }
  officers.push([BRANCHES[month], list(offs)]);
  gods.push([BRANCHES[month], list(gs)]);
}
out('officers.tsv', ['month', 'officers'], officers);
out('dutygods.tsv', ['month', 'gods'], gods);
out('dutykinds.tsv', ['god', 'kind'],
    LunarUtil.TIAN_SHEN.slice(1).map((g) => [g, LunarUtil.TIAN_SHEN_TYPE[g]]));
