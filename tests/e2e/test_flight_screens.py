"""Flight search, tracking and my flights through the headless driver against the stand-in
services: search by number, page, pick a date, save, see it on the card and in my flights,
and remove it."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from driver import Driver, outlets  # noqa: E402

TIME = "2026-12-07T09:30:00+09:00"


def screen(dump, name):
    for s in dump["screens"]:
        if s["name"] == name:
            return s
    raise AssertionError(f"{name} is not shown: {[s['name'] for s in dump['screens']]}")


class FlightScreens(unittest.TestCase):
    def start(self, *args):
        d = Driver("--virtual-time", TIME, *args)
        self.addCleanup(d.close)
        d.wait_for("ready")
        return d

    def open_search(self, d):
        """The flight search from the home-screen shortcut, with today's first page in."""
        d.ok("shortcut", type="kr.vorneth.UIAirportSchedule")
        self.assertFalse(outlets(d.dump())["netIndic"]["hidden"])  # up before the call
        d.ok("advance", seconds=0.5)
        return outlets(d.dump())

    def test_todays_flights_come_in_pages_of_ten(self):
        d = self.start()
        o = self.open_search(d)
        self.assertTrue(o["netIndic"]["hidden"])
        rows = o["airportTableView"]["rows"]
        self.assertEqual(len(rows), 11)
        self.assertIn("v_Loading", rows[10])
        self.assertEqual(o["airportTableView"]["rowHeight"], 249)
        first = rows[0]
        self.assertTrue(first["lbl_DateTime"]["text"].startswith("2026.12.07/월요일"))
        self.assertEqual(first["lbl_DateTime"]["attributes"][-1]["color"], [1.0, 0.0, 0.0, 1.0])
        self.assertTrue(first["lbl_ScheduledTime"]["attributes"][0]["strike"])

        d.ok("display", outlet="airportTableView", row=10)
        d.ok("advance", seconds=0.5)
        rows = outlets(d.dump())["airportTableView"]["rows"]
        self.assertGreater(len(rows), 11)
        ids = [r["lbl_FlightId"]["text"] for r in rows if "lbl_FlightId" in r]
        self.assertEqual(len(ids), len(set(ids)), "a page came twice")

    def test_search_by_number_save_it_see_it_and_remove_it(self):
        d = self.start()
        self.open_search(d)

        # Another day from the calendar, then the flight by its number in lower case.
        d.ok("tap", outlet="btn_Calendar")
        self.assertEqual(d.dump()["screens"][-1]["name"], "SingleSelectionController")
        _, answer = d.command("select", outlet="calendarView", date="20270801")
        self.assertEqual(answer["event"], "error")  # outside the months shown
        d.ok("select", outlet="calendarView", date="20261208")
        o = outlets(d.dump())
        self.assertEqual(o["txt_Calendar"]["text"], "2026-12-08")
        d.ok("type", outlet="txt_FlightId", text="ke1201")
        d.ok("tap", outlet="btn_FlightId_Search")
        d.ok("advance", seconds=0.5)
        rows = outlets(d.dump())["airportTableView"]["rows"]
        self.assertEqual(len(rows), 1)
        self.assertEqual(rows[0]["lbl_FlightId"]["text"], "KE1201")
        self.assertEqual(rows[0]["lbl_AirportCode1"]["text"], "GMP")
        self.assertTrue(rows[0]["lbl_DateTime"]["text"].startswith("2026.12.08/화요일"))

        # The detail view and saving.
        d.ok("select", outlet="airportTableView", row=0)
        search = screen(d.dump(), "UIAirportSchedule")
        detail = search["children"][0]
        self.assertEqual(detail["name"], "UIAirportDetailViewController")
        self.assertEqual(detail["outlets"]["lbl_FlightId"]["text"], "KE1201")
        self.assertTrue(detail["outlets"]["lbl_ScheduleDateTime"]["text"].startswith("2026/12/08 07:00"))
        events = d.ok("tap", outlet="btn_Insert")
        alerts = [e for e in events if e.get("event") == "alert"]
        self.assertEqual(alerts[0]["title"], "성공")
        self.assertEqual(alerts[0]["message"], "저장이 완료되었습니다.")
        events = d.ok("alert", button="OK")
        self.assertIn({"event": "dismiss", "screen": "UIAirportSchedule", "animated": True},
                      events)

        # On the main card, and in my flights.
        dump = d.dump()
        self.assertEqual(len(dump["screens"]), 1)
        self.assertEqual(outlets(dump)["lbl_FlightId"]["text"], "KE1201")
        d.ok("tap", outlet="btn_Help_Close")
        d.ok("tap", outlet="v_AirportView")
        d.ok("advance", seconds=0.5)
        mine = outlets(d.dump())
        self.assertTrue(mine["img_FlightData"]["hidden"])
        self.assertEqual([r["lbl_FlightId"]["text"] for r in mine["myScheduleTableView"]["rows"]],
                         ["KE1201"])

        # The same flight found again is not stored twice.
        d.ok("tap", outlet="btn_ScheduleSearch")
        d.ok("advance", seconds=0.5)
        d.ok("type", outlet="txt_FlightId", text="KE1201")
        d.ok("tap", outlet="btn_Calendar")
        d.ok("select", outlet="calendarView", date="20261208")
        d.ok("tap", outlet="btn_FlightId_Search")
        d.ok("advance", seconds=0.5)
        d.ok("select", outlet="airportTableView", row=0)
        events = d.ok("tap", outlet="btn_Insert")
        self.assertEqual([e["message"] for e in events if e.get("event") == "alert"],
                         ["이미 데이터가 존재합니다."])
        d.ok("alert", button="확인")
        d.ok("tap", outlet="btn_Close")
        d.ok("tap", outlet="btn_Back")

        # Removing it from my flights.
        d.ok("advance", seconds=0.5)
        d.ok("select", outlet="myScheduleTableView", row=0)
        self.assertEqual(d.dump()["alerts"][0]["message"], "등록을 취소하시겠습니까?")
        events = d.ok("alert", button="확인")
        self.assertEqual([e["message"] for e in events if e.get("event") == "alert"],
                         ["등록취소가 완료되었습니다."])
        d.ok("alert", button="OK")
        d.ok("advance", seconds=0.5)
        mine = outlets(d.dump())
        self.assertEqual(mine["myScheduleTableView"]["rows"], [])
        self.assertFalse(mine["img_FlightData"]["hidden"])
        d.ok("tap", outlet="btn_Back")
        self.assertEqual(outlets(d.dump())["lbl_FlightId"]["text"], "")

    def test_a_date_outside_a_calendar_or_on_another_outlet_is_an_error(self):
        d = self.start()
        self.open_search(d)
        _, answer = d.command("select", outlet="airportTableView", date="20261208")
        self.assertEqual(answer["event"], "error")
        d.ok("tap", outlet="btn_Calendar")
        _, answer = d.command("select", outlet="calendarView", date="2026-12-08")
        self.assertEqual(answer["event"], "error")


if __name__ == "__main__":
    unittest.main()
