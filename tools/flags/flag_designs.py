"""The flags, a line or two each in the language of flag_language, by file name.

Files are named after the country's two-letter code; flags of regions and
peoples that stand for a language have longer names. Coats of arms and
emblems are reduced to a few pixels that keep their colours and outline.
Each flag is the one in use today (Libya's and Syria's are the flags they
took back in 2011 and 2024).
"""

# The flag of the United Kingdom, 11 x 7, for the cantons of its dominions.
_UNION = ("art:0,0,rwnnwrwnnwr/nrwnwrwnwrn/wwwwwrwwwww/rrrrrrrrrrr/"
          "wwwwwrwwwww/nrwnwrwnwrn/rwnnwrwnnwr")
# A red star edged in white, as on the flag of New Zealand.
_RED_STAR = ".w./wcw/.w."
# Emblems too small to draw as shapes, with 'c' for their colour.
_STAR = "..c../.ccc./ccccc/.ccc./.c.c."
_SMALL_STAR = "..c../ccccc/.ccc./.c.c."
_CRESCENT = ".ccc/cc../c.../c.../c.../cc../.ccc"


def _emblem(pattern, colour, x, y):
    return "art:%d,%d,%s" % (x, y, pattern.replace("c", colour))


def _serrated(colour, base, tip, points):
    """A band at the hoist whose edge has that many points reaching to x = tip."""
    step = 14 / (2 * points)
    edge = ["%g,%g" % (tip if k % 2 else base, round(k * step, 2)) for k in range(1, 2 * points + 1)]
    return "poly:%s,0,0,%g,0,%s,0,14" % (colour, base, ",".join(edge))


def _rays(colour, x, y, ends, width):
    """Rays from (x, y) to each end."""
    return " ".join("line:%s,%g,%g,%g,%g,%g" % (colour, x, y, ex, ey, width) for ex, ey in ends)


FLAGS = {
    "ae": "h:gwk rect:r,0,0,6,14",
    "al": "h:r art:7,2,k.k...k.k/kkk.k.kkk/kkkkkkkkk/.kkkkkkk./...kkk.../..kk.kk../.kk...kk./.k.....k.",
    "am": "h:rbO",
    "ar": "h:awa disc:o,11.5,7,1.6 disc:y,11.5,7,1.2",
    "at": "h:rwr",
    "au": "h:n " + _UNION + " art:3,9,w.w.w/.www./wwwww/.www./w.w.w"
          " art:17,2,w/...../....w/...../...../..w../...../...../.w...",
    "az": "h:arg " + _emblem(_CRESCENT, "w", 9, 4) + " art:13,6,.w./www/.w.",
    "ba": "h:b poly:y,6,0,17,0,17,14 art:4,0,w/.w/..w/...w/....w/.....w/......w/.......w/........w/.........w",
    "be": "v:kyr",
    "bg": "h:wgr",
    "bh": "h:r " + _serrated("w", 5, 8, 5),
    "bn": "h:y poly:w,0,1,23,8,23,11,0,4 poly:k,0,4,23,11,23,14,0,7 art:9,4,r...r/rrrrr/.rrr./.r.r./rr.rr",
    "bo": "h:ryg",
    "br": "h:g poly:y,2,7,11.5,1.5,21,7,11.5,12.5 disc:n,11.5,7,3.4 line:w,8,6,15,7.5,1",
    "by": "h:rrg rect:w,0,0,4,14 art:0,0,.rr./r..r/.rr./..../.rr./r..r/.rr./..../.rr./r..r/.rr./..../.rr./r..r",
    "bz": "h:rbbbbbbbbbbbbr disc:w,11.5,7,4.6 disc:g,11.5,7,4.2 disc:w,11.5,7,3.4 art:10,5,.o./obo/.o.",
    "ca": "v:rwwr art:7,3,....r..../..r.r.r../r.rrrrr.r/rrrrrrrrr/.rrrrrrr./..rrrrr../....r..../....r....",
    "caricom": "h:a rect:n,0,8,23,2 disc:g,11.5,7,4.2 disc:y,11.5,7,3.4",
    "ch": "h:r cross:w,10,6,3,2 rect:r,0,0,7,14 rect:r,16,0,7,14 rect:r,0,0,23,3 rect:r,0,11,23,3",
    "cl": "h:wr rect:b,0,0,8,7 star:w,4,3.5,2.4",
    "cn": "h:r " + _emblem(_STAR, "y", 2, 2) + " art:8,1,y/.../..y/.../..y/y",
    "co": "h:yybr",
    "cr": "h:bwrrwb",
    "cz": "h:wr poly:b,0,0,11.5,7,0,14",
    "de": "h:kry",
    "dk": "h:r cross:w,7,6,2,2",
    "do": "h:r rect:n,0,0,10,6 rect:n,13,8,10,6 cross:w,10,6,3,2 art:11,6,g/b",
    "dz": "v:gw " + _emblem(_CRESCENT, "r", 9, 3) + " " + _emblem(_STAR, "r", 13, 4),
    "ec": "h:yybr art:10,4,.k./ogo/.y.",
    "ee": "h:bkw",
    "eg": "h:rwk art:10,5,yyy/.y.",
    "es": "h:ryyr art:5,4,yyy/rry/ryr/.r.",
    "es-ct": "h:yrryrryyrryrry",
    "es-ga": "h:w line:a,0,0,23,14,4.5",
    "es-pv": "h:r salt:g,3 cross:w,10,6,3,2",
    "fi": "h:w cross:n,6,5,4,4",
    "fo": "h:w cross:b,6,5,4,4 cross:r,7,6,2,2",
    "fr": "v:bwr",
    "gb": "h:n salt:w,4.5 salt:r,2 cross:w,9,4,5,6 cross:r,10,5,3,4",
    "ge": "h:w cross:r,10,6,3,2 "
          + " ".join("art:%d,%d,.r./rrr/.r." % xy for xy in ((3, 1), (17, 1), (3, 10), (17, 10))),
    "gr": "h:bwbwbwbwb rect:b,0,0,8,8 cross:w,3,3,2,2 rect:b,8,0,15,1 rect:b,8,3,15,2 rect:b,8,6,15,2",
    "gt": "v:awa art:10,5,.g./gyg/.g.",
    "haudenosaunee": "h:p art:0,3,...........w.........../..........www........../.www.www.wwwww.www.www./"
                     ".w.w.w.w..www..w.w.w.w./wwwwwwwwwwwwwwwwwwwwwww/.w.w.w.w..www..w.w.w.w./"
                     ".www.www.wwwww.www.www./...........w...........",
    "hk": "h:r art:8,3,...w.../.w.w.w./..www../www.www/..www../.w.w.w./...w...",
    "hn": "h:awa art:8,5,a...a.a/...a..a/a...a..",
    "hr": "h:rwb art:9,3,rwrwr/wrwrw/rwrwr/wrwrw/rwrwr/.wrw./..r..",
    "hu": "h:rwg",
    "id": "h:rw",
    "ie": "v:gwO",
    "il": "h:wbwwwwwwwwwbww art:8,4,...b.../bbbbbbb/.b...b./b.....b/.b...b./bbbbbbb/...b...",
    "in": "h:Owg art:9,5,.nnn./n...n/n...n/.nnn.",
    "iq": "h:rwk art:7,6,g.gg.g.g.g",
    "ir": "h:gwr art:10,5,r.r/.r./r.r",
    "is": "h:b cross:w,6,5,4,4 cross:r,7,6,2,2",
    "it": "v:gwr",
    "jm": "h:g poly:k,0,0,11.5,7,0,14 poly:k,23,0,11.5,7,23,14 salt:y,2.5",
    "jo": "h:kwg poly:r,0,0,11,7,0,14 art:3,6,.w./www/.w.",
    "jp": "h:w disc:r,11.5,7,4.2",
    "ke": "h:kkkwrrrwggg poly:k,11.5,1,14,7,11.5,13,9,7 poly:r,11.5,2,13,7,11.5,12,10,7 rect:w,11,4,1,6",
    "kg": "h:r disc:y,11.5,7,4 disc:r,11.5,7,2.5 art:10,5,rrr/r.r/rrr",
    "kr": "h:w art:8,3,..rrrr../.rrrrrr./rrrrrrrb/rrrrrbbb/rrrbbbbb/rbbbbbbb/.bbbbbb./..bbbb.."
          " art:1,1,kkkk/..../kkkk/..../kkkk art:18,1,k..k/..../kkkk/..../k..k"
          " art:1,8,kkkk/..../k..k/..../kkkk art:18,8,k..k/..../k..k/..../k..k",
    "kw": "h:gwr poly:k,0,0,6,4.67,6,9.33,0,14",
    "kz": "h:a art:7,0,...y.y.../.y.....y./...yyy.../y.yyyyy.y/..yyyyy../y.yyyyy.y/...yyy.../.y.....y."
          " art:8,10,yyy.yyy/..yyy.. art:1,1,y/yy/y/./y/yy/y/./y/yy/y/./y",
    "lb": "h:rwwr art:9,3,..g../.ggg./ggggg/.ggg./ggggg/..o..",
    "li": "h:br art:3,1,y.y.y/yyyyy/yyyyy",
    "lt": "h:ygr",
    "lu": "h:rwa",
    "lv": "h:mmwmm",
    "ly": "h:rkkg disc:w,10.5,7,2.6 disc:k,11.5,7,2.2 star:w,13.5,7,1.3,180",
    "ma": "h:r art:9,4,..g../ggggg/.g.g./.ggg./g...g",
    "mc": "h:rw",
    "mk": "h:r " + _rays("y", 11.5, 7, ((0, 0), (23, 0), (0, 14), (23, 14)), 2) + " "
          + _rays("y", 11.5, 7, ((11.5, 0), (11.5, 14), (0, 7), (23, 7)), 2.5) + " disc:r,11.5,7,3 disc:y,11.5,7,2.2",
    "mn": "v:rbr art:2,2,..y../.y.y./..y../yyyyy/..y../y.y.y/y.y.y/y.y.y/..y../yyyyy",
    "mo": "h:t art:9,2,.y.y.y./y.....y art:8,6,...w.../.w.w.w./..www../wwwwwww/.......w/wwwwwww",
    "mt": "v:wr art:1,1,.s./sss/.s.",
    "mv": "h:r rect:g,5,3,13,8 disc:w,11,7,2.6 disc:g,12,7,2.2",
    "mx": "v:gwr art:10,5,.o./ogo/.g.",
    "my": "h:rwrwrwrwrwrwrw rect:n,0,0,12,8 disc:y,4.5,4,2.9 disc:n,5.5,4,2.5 star:y,8.5,4,1.8",
    "ni": "h:bwb art:10,5,.b./bgb",
    "nl": "h:rwb",
    "no": "h:r cross:w,6,5,4,4 cross:n,7,6,2,2",
    "nz": "h:n " + _UNION + " "
          + " ".join(_emblem(_RED_STAR, "r", x, y) for x, y in ((17, 1), (14, 5), (19, 4), (17, 10))),
    "om": "h:wrg rect:r,0,0,7,14 art:2,1,w.w/.w./w.w",
    "pa": "h:w rect:r,12,0,11,7 rect:b,0,7,12,7 "
          + _emblem(_SMALL_STAR, "b", 4, 2) + " " + _emblem(_SMALL_STAR, "r", 15, 9),
    "pe": "v:rwr",
    "ph": "h:br poly:w,0,0,12,7,0,14 disc:y,4,7,1.6 art:1,1,y art:1,12,y art:9,6,y",
    "pk": "h:g rect:w,0,0,6,14 disc:w,14,7,3.8 disc:g,15.2,6.2,3.4 star:w,16.8,5.6,1.6,-150",
    "pl": "h:wr",
    "pr": "h:rwrwr poly:b,0,0,11,7,0,14 star:w,4,7,2.2",
    "pseudo": "chk:f,k,2",
    "pt": "v:ggrrr disc:y,9,7,3.4 art:8,5,www/wbw/www/.w.",
    "py": "h:rwb disc:y,11.5,7,2 disc:w,11.5,7,1.2",
    "qa": "h:m " + _serrated("w", 6, 8, 9),
    "ro": "v:byr",
    "rs": "h:rbw art:4,3,yyyy/rwwr/rwwr/rrrr/.rr.",
    "ru": "h:wbr",
    "sa": "h:g art:4,3,w.w.ww.w.w.ww.w/wwww.wwww.w.www/...w.......w... line:w,5,10,18,10,1 art:17,9,w",
    "se": "h:b cross:y,7,6,3,2",
    "sg": "h:rw disc:w,4.5,3.5,2.8 disc:r,5.8,3.5,2.5 art:7,1,.w./w.w/.w.",
    "si": "h:wbr art:4,2,r...r/rbwbr/rwwwr/.rbr.",
    "sk": "h:wbr art:4,3,wwwww/wrwrw/wwwww/wrwrw/wbbbw/.www.",
    "sv": "h:bwb art:10,5,.g./gyg",
    "sy": "h:gwk " + " ".join(_emblem(_SMALL_STAR, "r", x, 5) for x in (3, 9, 15)),
    "th": "h:rwnnwr",
    "tn": "h:r disc:w,11.5,7,4.3 art:8,4,.rr..../r....../r..r.../r.rrr../r..r.../.rr....",
    "tr": "h:r disc:w,8.5,7,4 disc:r,9.5,7,3.2 star:w,14.5,7,2,180",
    "tt": "h:r line:w,0,0,23,14,6 line:k,0,0,23,14,4",
    "tw": "h:r rect:n,0,0,12,7 disc:w,6,3.5,2.4 disc:n,6,3.5,1.4 disc:w,6,3.5,0.8",
    "ua": "h:by",
    "us": "h:rwrwrwrwrwrwr rect:n,0,0,10,7 art:1,1,w.w.w.w.w/.w.w.w.w./w.w.w.w.w/.w.w.w.w./w.w.w.w.w",
    "uy": "h:wbwbwbwbw rect:w,0,0,8,8 disc:y,4,4,2.2",
    "uz": "h:ttttrwwwwrgggg disc:w,3,2,1.6 disc:t,4,2,1.4 art:6,1,w.w/.w.",
    "ve": "h:ybr art:6,5,.w.........w./w...........w/...w.w.w.w...",
    "vn": "h:r star:y,11.5,7.4,4.4",
    "ye": "h:rwk",
    "za": "h:rb line:w,0,0,9,7,5 line:w,0,14,9,7,5 rect:w,9,4,14,6 line:g,0,0,9,7,2.8 line:g,0,14,9,7,2.8"
          " rect:g,9,5,14,4 poly:y,0,1.5,7.5,7,0,12.5 poly:k,0,3.5,5,7,0,10.5",
    "zw": "h:gyrkryg poly:k,0,0,9,7,0,14 poly:w,0,1,7.6,7,0,13 art:2,6,rr/rr",
}
