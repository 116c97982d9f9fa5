// Reads one METAR report per line on stdin and prints one JSON object per
// line with what metar-taf-parser makes of it (C, the report's wind unit, hPa).
import { createInterface } from 'node:readline';
import { parseMetar } from 'metar-taf-parser';

const out = [];
for await (const line of createInterface({ input: process.stdin })) {
  const r = {};
  try {
    const m = parseMetar(line);
    r.station = m.station;
    Object.assign(r, { day: m.day, hour: m.hour, minute: m.minute });
    if (m.temperature !== undefined) r.temp = m.temperature;
    if (m.dewPoint !== undefined) r.dew = m.dewPoint;
    if (m.wind) {
      r.wind_unit = m.wind.unit;
      if (m.wind.speed !== undefined) r.wind = m.wind.speed;
      if (m.wind.gust !== undefined) r.gust = m.wind.gust;
      if (m.wind.direction === 'VRB') r.dir = 'VRB';
      else if (m.wind.degrees !== undefined) r.dir = m.wind.degrees;
    }
    // The parser knows km/h only as "KM/H" and reads a "KMH" group as knots.
    if (/(^|\s)(VRB|\d{3})\d{2}(G\d{2,3})?KMH(\s|$)/.test(line)) r.wind_kmh = true;
    if (m.altimeter) {
      r.hpa = m.altimeter.unit === 'inHg' ? m.altimeter.value * 33.8639 : m.altimeter.value;
    }
    r.weather = (m.weatherConditions || []).map((w) => ({
      intensity: w.intensity || '',
      descriptive: w.descriptive || '',
      phenomenons: w.phenomenons || [],
    }));
  } catch (e) {
    r.error = String(e.message || e);
  }
  out.push(JSON.stringify(r));
}
process.stdout.write(out.join('\n') + '\n');
