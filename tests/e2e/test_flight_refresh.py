"""The main screen's flight refreshes itself from the stand-in feeds as the demo day moves on.

The demo services run in-process and read the driver's virtual clock, so `advance` moves
the flights. The instants come from the demo scenario of 7 December 2026.
"""

import os
import sqlite3
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from driver import Driver, outlets  # noqa: E402
from test_main_screen import store  # noqa: E402


def stored(data_dir, flight_id):
    db = sqlite3.connect(os.path.join(data_dir, "tamberlinove_v2.sqlite3"))
    db.row_factory = sqlite3.Row
    row = db.execute("SELECT * FROM aFlightInfo WHERE flightId = ?", (flight_id,)).fetchone()
    db.close()
    return dict(row)


class FlightRefresh(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="tamberlinove-e2e-")
        self.data = self.tmp.name

    def tearDown(self):
        self.tmp.cleanup()

    def start(self, time):
        d = Driver("--virtual-time", time, data_dir=self.data)
        self.addCleanup(d.close)
        d.wait_for("ready")
        self.assertEqual(d.dump()["alerts"], [], "the stored flight already differs at start")
        return d

    def next_minute(self, d):
        """One refresh tick, then the half second the alert waits; the alerts put up."""
        quiet = d.ok("advance", seconds=60)
        self.assertEqual([e for e in quiet if e["event"] == "alert"], [])
        return [e for e in d.ok("advance", seconds=1) if e["event"] == "alert"]

    def test_a_gate_change_at_incheon_is_announced_and_stored(self):
        # KE703 to Narita was delayed to 09:35 at 07:28; its gate moves from 132 at 07:30.
        store(self.data, flightId="KE703", scheduleTime_Departure="0900",
              estimatedDate_Departure="20261207", estimatedTime_Departure="0935",
              scheduleTime_Arrival="1120", airport_arrival="도쿄/나리타",
              airportcode_arrival="NRT", gatenumber="132", remark="지연",
              chkinrange="H13-H24")
        d = self.start("2026-12-07T07:29:00+09:00")
        alerts = self.next_minute(d)
        self.assertEqual(alerts, [{"event": "alert", "title": "정보변경",
                                   "message": "12월 07일 09시 00분  KE703 도쿄/나리타행\n\n"
                                              "게이트번호: 252\n",
                                   "buttons": ["확인"]}])
        row = stored(self.data, "KE703")
        self.assertEqual(row["gatenumber"], "252")
        self.assertEqual(row["estimatedTime_Departure"], "0935")
        self.assertEqual(outlets(d.dump())["lbl_GateNumber"]["text"], "252")
        d.ok("alert", button="확인")
        self.assertEqual(self.next_minute(d), [])

    def test_boarding_of_a_domestic_flight_is_announced_and_stored(self):
        # KE1206 from Jeju to Gimpo at 11:30 starts boarding 25 minutes before.
        store(self.data, flightId="KE1206", scheduleTime_Departure="1130",
              estimatedDate_Departure="20261207", estimatedTime_Departure="1130",
              scheduleTime_Arrival="1235", airport_departure="제주", airport_arrival="김포",
              airportcode_departure="CJU", airportcode_arrival="GMP", gatenumber="16")
        d = self.start("2026-12-07T11:04:00+09:00")
        alerts = self.next_minute(d)
        self.assertEqual([(a["title"], a["message"]) for a in alerts],
                         [("정보변경", "12월 07일 11시 30분  KE1206 김포행\n\n운항상태: 탑승중\n")])
        self.assertEqual(stored(self.data, "KE1206")["remark"], "탑승중")
        self.assertEqual(outlets(d.dump())["lbl_Status"]["text"], "탑승중")

    def test_a_departure_abroad_is_announced_from_the_timetable(self):
        # CX524 leaves Hong Kong at 08:00 local time, 09:00 in Korea.
        store(self.data, airline="캐세이퍼시픽", flightId="CX524",
              scheduleTime_Departure="0800", estimatedDate_Departure="20261207",
              estimatedTime_Departure="0800", scheduleTime_Arrival="1310",
              estimatedDate_Arrival="20261207", estimatedTime_Arrival="1310",
              airport_departure="홍콩", airport_arrival="도쿄/나리타",
              airportcode_departure="HKG", airportcode_arrival="NRT", gatenumber="5",
              remark="정보없음")
        d = self.start("2026-12-07T08:59:00+09:00")
        alerts = self.next_minute(d)
        self.assertEqual([(a["title"], a["message"]) for a in alerts],
                         [("정보변경", "12월 07일 CX524 도쿄/나리타행\n\n운항상태: 운항중\n")])
        row = stored(self.data, "CX524")
        self.assertEqual(row["remark"], "운항중")
        self.assertEqual(row["scheduleTime_Arrival"], "1310")
        self.assertEqual(outlets(d.dump())["lbl_Status"]["text"], "운항중")


if __name__ == "__main__":
    unittest.main()
