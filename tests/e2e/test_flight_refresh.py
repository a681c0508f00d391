"""The main screen's flight refreshes itself from the in-process stand-in feeds, which read
the driver's virtual clock, so `advance` moves the demo day of 7 December 2026 on."""

import os
import sqlite3
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from driver import DriverTest, of, outlets, store  # noqa: E402


class FlightRefresh(DriverTest):
    def test_a_gate_change_at_incheon_is_announced_and_stored(self):
        # KE703 to Narita was delayed to 09:35 at 07:28; its gate moves from 132 at 07:30.
        store(self.data, flightId="KE703", scheduleTime_Departure="0900",
              estimatedDate_Departure="20261207", estimatedTime_Departure="0935",
              scheduleTime_Arrival="1120", airport_arrival="도쿄/나리타",
              airportcode_arrival="NRT", gatenumber="132", remark="지연",
              chkinrange="H13-H24")
        d = self.start(time="2026-12-07T07:29:00+09:00")
        self.assertEqual(d.dump()["alerts"], [], "the stored flight already differs at start")
        self.assertEqual(of(d.ok("advance", seconds=60), "alert"), [])  # the alert waits 0.5 s
        self.assertEqual(of(d.ok("advance", seconds=1), "alert"),
                         [{"event": "alert", "title": "정보변경",
                           "message": "12월 07일 09시 00분  KE703 도쿄/나리타행\n\n"
                                      "게이트번호: 252\n",
                           "buttons": ["확인"]}])
        db = sqlite3.connect(os.path.join(self.data, "tamberlinove_v2.sqlite3"))
        self.assertEqual(db.execute("SELECT gatenumber, estimatedTime_Departure FROM aFlightInfo "
                                    "WHERE flightId = 'KE703'").fetchall(), [("252", "0935")])
        db.close()
        self.assertEqual(outlets(d.dump())["lbl_GateNumber"]["text"], "252")
        d.ok("alert", button="확인")
        self.assertEqual(of(d.ok("advance", seconds=61), "alert"), [])


if __name__ == "__main__":
    unittest.main()
