"""Flight search and tracking through the headless driver against the stand-in services:
page through today's flights, pick a date, search by number, save the flight and see it on
the card and in my flights."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from driver import DriverTest, of, outlets  # noqa: E402


class FlightScreens(DriverTest):
    def open_search(self, d):
        """The flight search from the home-screen shortcut, with today's first page in."""
        d.ok("shortcut", type="kr.vorneth.UIAirportSchedule")
        self.assertFalse(outlets(d.dump())["netIndic"]["hidden"])  # up before the call
        d.ok("advance", seconds=0.5)
        return outlets(d.dump())

    def test_todays_flights_come_in_pages_of_ten(self):
        d = self.start()
        rows = self.open_search(d)["airportTableView"]["rows"]
        self.assertEqual(len(rows), 11)
        self.assertIn("v_Loading", rows[10])

        d.ok("display", outlet="airportTableView", row=10)
        d.ok("advance", seconds=0.5)
        rows = outlets(d.dump())["airportTableView"]["rows"]
        self.assertGreater(len(rows), 11)
        ids = [r["lbl_FlightId"]["text"] for r in rows if "lbl_FlightId" in r]
        self.assertEqual(len(ids), len(set(ids)), "a page came twice")

    def test_search_by_number_save_it_and_see_it(self):
        d = self.start()
        self.open_search(d)
        _, answer = d.command("select", outlet="airportTableView", date="20261208")
        self.assertEqual(answer["event"], "error")  # not a calendar

        # Another day from the calendar, then the flight by its number in lower case.
        d.ok("tap", outlet="btn_Calendar")
        for date in ("20270801", "2026-12-08"):  # outside the months shown, or not a date
            _, answer = d.command("select", outlet="calendarView", date=date)
            self.assertEqual(answer["event"], "error")
        d.ok("select", outlet="calendarView", date="20261208")
        self.assertEqual(outlets(d.dump())["txt_Calendar"]["text"], "2026-12-08")
        d.ok("type", outlet="txt_FlightId", text="ke1201")
        d.ok("tap", outlet="btn_FlightId_Search")
        d.ok("advance", seconds=0.5)
        rows = outlets(d.dump())["airportTableView"]["rows"]
        self.assertEqual([r["lbl_FlightId"]["text"] for r in rows], ["KE1201"])

        # The detail view is a child of the search; saving closes both.
        d.ok("select", outlet="airportTableView", row=0)
        detail = d.dump()["screens"][-1]["children"][0]
        self.assertEqual(detail["name"], "UIAirportDetailViewController")
        alerts = of(d.ok("tap", outlet="btn_Insert"), "alert")
        self.assertEqual([a["message"] for a in alerts], ["저장이 완료되었습니다."])
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
        mine = outlets(d.dump())["myScheduleTableView"]["rows"]
        self.assertEqual([r["lbl_FlightId"]["text"] for r in mine], ["KE1201"])


if __name__ == "__main__":
    unittest.main()
