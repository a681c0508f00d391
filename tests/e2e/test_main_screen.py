"""The main screen's card through the headless driver, with flights stored beforehand."""

import json
import os
import sqlite3
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from driver import Driver, outlets  # noqa: E402

SCHEMA = ("CREATE TABLE IF NOT EXISTS aFlightInfo(airline varchar(10) not null, flightId "
          "varchar(10) not null, scheduleDate varchar(8) not null, scheduleDate_Departure "
          "varchar(8) null, scheduleTime_Departure varchar(4) null, scheduleDate_Arrival "
          "varchar(8) null, scheduleTime_Arrival varchar(4) null, estimatedDate_Departure "
          "varchar(8) null, estimatedTime_Departure varchar(4) null, estimatedDate_Arrival "
          "varchar(8) null, estimatedTime_Arrival varchar(4) null, airport varchar(50) null, "
          "airport_departure varchar(50) null, airport_arrival varchar(50) null, "
          "airportcode_departure varchar(5) not null, airportcode_arrival varchar(5) not null, "
          "gatenumber varchar(10) null, carousel varchar(10) null, exitnumber varchar(10) null, "
          "remark varchar(10) null, chkinrange varchar(20) null, io varchar(1) not null, "
          "constraint aFlightInfo_PK PRIMARY KEY(airportcode_departure, airportcode_arrival, "
          "flightId, scheduleDate, io)) ")


def store(data_dir, **fields):
    row = dict(airline="대한항공", flightId="KE701", scheduleDate="20261207",
               scheduleDate_Departure="20261207", scheduleTime_Departure="1030",
               scheduleDate_Arrival="20261207", scheduleTime_Arrival="1255",
               estimatedDate_Departure="", estimatedTime_Departure="",
               estimatedDate_Arrival="", estimatedTime_Arrival="", airport="",
               airport_departure="인천", airport_arrival="나리타", airportcode_departure="ICN",
               airportcode_arrival="NRT", gatenumber="", carousel="", exitnumber="",
               remark="", chkinrange="", io="1")
    row.update(fields)
    db = sqlite3.connect(os.path.join(data_dir, "tamberlinove_v2.sqlite3"))
    db.execute("PRAGMA user_version = 13")
    db.execute(SCHEMA)
    db.execute(f"INSERT INTO aFlightInfo({', '.join(row)}) VALUES({', '.join('?' * len(row))})",
               list(row.values()))
    db.commit()
    db.close()


class MainScreen(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="tamberlinove-e2e-")
        self.data = self.tmp.name

    def tearDown(self):
        self.tmp.cleanup()

    def start(self, *args, time="2026-12-07T09:30:00+09:00"):
        d = Driver("--virtual-time", time, *args, data_dir=self.data)
        self.addCleanup(d.close)
        d.wait_for("ready")
        return d

    def test_stored_flight_is_drawn_on_the_card(self):
        store(self.data, estimatedDate_Departure="20261207", estimatedTime_Departure="1105",
              gatenumber="", carousel="7", remark="cancelled")
        o = outlets(self.start().dump())
        self.assertFalse(o["v_BeAirSchedule"]["hidden"])
        self.assertTrue(o["v_NoAirSchedule"]["hidden"])
        self.assertEqual(o["Img_BottomBackgroud"]["image"], "main2_background2.png")
        self.assertEqual(o["lbl_FlightId"]["text"], "KE701")
        self.assertEqual(o["lbl_Schedule_DepartureTime"]["text"], "10:30")
        self.assertEqual(o["lbl_Schedule_DepartureTime"]["attributes"],
                         [{"from": 0, "length": 5, "strike": True}])
        self.assertEqual(o["lbl_Change_DepartureTime"]["text"], "11:05")
        self.assertEqual(o["lbl_Status"]["text"], "취소")
        self.assertEqual(o["lbl_Date"]["text"], "2026/12/07")
        self.assertEqual(o["lbl_Date"]["attributes"],
                         [{"from": 7, "length": 3, "color": [1.0, 1.0, 1.0, 1.0]}])
        self.assertEqual(o["lbl_GateNumber"]["text"], "-")
        self.assertEqual(o["lbl_Carousel"]["text"], "7")

    def test_one_hour_offset_keeps_yesterdays_flight_just_after_midnight(self):
        store(self.data, flightId="KE999", scheduleDate="20261207",
              scheduleDate_Arrival="20261207", scheduleTime_Departure="2350")
        d = self.start(time="2026-12-08T00:30:00+09:00")
        self.assertEqual(outlets(d.dump())["lbl_FlightId"]["text"], "KE999")
        d.ok("advance", seconds=31 * 60)
        o = outlets(d.dump())
        self.assertEqual(o["lbl_FlightId"]["text"], "")
        self.assertFalse(o["v_NoAirSchedule"]["hidden"])

    def test_the_flight_search_shortcut_opens_the_search_at_launch_and_while_running(self):
        d = self.start("--shortcut", "kr.vorneth.UIAirportSchedule")
        self.assertEqual([s["name"] for s in d.dump()["screens"]],
                         ["ViewController", "UIAirportSchedule"])
        d.ok("tap", outlet="btn_Back")
        self.assertEqual([s["name"] for s in d.dump()["screens"]], ["ViewController"])
        events = d.ok("shortcut", type="kr.vorneth.UIAirportSchedule")
        self.assertIn({"event": "present", "screen": "UIAirportSchedule", "animated": False},
                      events)

    def test_passport_photo_is_saved_from_the_camera(self):
        picture = os.path.join(self.data, "shot.jpg")
        with open(picture, "wb") as f:
            f.write(b"\xff\xd8\xff\xe0 tamberlinove test picture \xff\xd9")
        d = self.start()
        d.ok("tap", outlet="btn_Help_Close")
        d.ok("camera", available=True, image=picture)
        d.ok("tap", outlet="addButton")
        events = d.ok("menu", index=0)
        self.assertIn({"event": "present", "screen": "UIImagePickerController",
                       "animated": True}, events)
        events = d.ok("tap", outlet="btn_Capture")
        self.assertIn({"event": "dismiss", "screen": "UIImagePickerController",
                       "animated": True}, events)
        alerts = [e for e in events if e["event"] == "alert"]
        self.assertEqual(alerts[0]["title"], "저장완료")
        with open(os.path.join(self.data, "IMG_Tamberlinove_Passport.jpg"), "rb") as f:
            self.assertTrue(f.read().startswith(b"\xff\xd8"))

    def test_configured_hosts_that_do_not_answer_do_not_stop_start_up(self):
        config = os.path.join(self.data, "config.json")
        with open(config, "w") as f:
            json.dump({"carrierServiceURL": "http://127.0.0.1:9/none",
                       "airportServiceURL": "http://127.0.0.1:9/none",
                       "requestTimeoutSeconds": 2}, f)
        d = self.start("--config", config)
        self.assertEqual(outlets(d.dump())["lbl_Status"]["text"], "정보없음")
        self.assertEqual(d.quit(), 0)


if __name__ == "__main__":
    unittest.main()
