# Used by analysis_cli_test.sh; the start time is shifted by -v offset=SECONDS.
# Writes the B records of a flight: waits and straight legs at 50 kt, a fix every 4 s.
function angle(v, width, pos, neg,   a, d, m) {
    a = v < 0 ? -v : v; d = int(a); m = int((a - d) * 60000 + 0.5)
    return sprintf("%0" width "d%05d%s", d, m, v < 0 ? neg : pos)
}
function fix(   h, m, s) {
    h = int(t / 3600); m = int(t % 3600 / 60); s = t % 60
    printf "B%02d%02d%02d%s%sA%05d%05d\r\n", h, m, s, angle(lat, 2, "N", "S"), angle(lon, 3, "E", "W"), alt, alt
}
function wait(seconds,   i) { for (i = 4; i <= seconds; i += 4) { t += 4; fix() } }
function fly(tlat, tlon, talt,   d, n, i, la, lo, al, r) {
    r = 3.14159265358979 / 180
    d = 60 * 2 * atan2(sqrt((sin((tlat-lat)*r/2))^2 + cos(lat*r)*cos(tlat*r)*(sin((tlon-lon)*r/2))^2), 1) / r
    n = int(d / 50 * 3600 / 4 + 0.5); if (n < 1) n = 1
    la = lat; lo = lon; al = alt
    for (i = 1; i <= n; i++) { lat = la + (tlat-la)*i/n; lon = lo + (tlon-lo)*i/n; alt = int(al + (talt-al)*i/n); t += 4; fix() }
}
BEGIN {
    t = 10 * 3600 + offset; lat = 51.0; lon = 1.0; alt = 100; fix()
    wait(60); fly(51.0, 1.2, 915); fly(51.3, 1.2, 915); fly(51.02, 1.0, 300); fly(51.0, 1.0, 100); wait(120)
}
