"""The travel tools through the headless driver against the in-process stand-in services:
the exchange calculator, the card guide opened from the main card, the flight search."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from driver import DriverTest, of, outlets, store  # noqa: E402


class Tools(DriverTest):
    def start(self):
        d = super().start()
        d.ok("tap", outlet="btn_Help_Close")
        return d

    def front(self, d):
        screen = d.dump()["screens"][-1]
        return screen["name"], screen["outlets"], screen["children"]

    def test_calculator_converts_while_typing_and_picks_a_currency(self):
        d = self.start()
        d.ok("tap", outlet="addButton")
        events = d.ok("menu", index=2)
        self.assertIn({"event": "present", "screen": "UIExchange", "animated": False}, events)
        _, o, _ = self.front(d)
        self.assertEqual(o["lbl_Exchange_Cost1"]["text"], "1,382.4")

        d.ok("type", outlet="txt_Exchange_Cost_Buttom", text="100")
        self.assertEqual(outlets(d.dump())["txt_Exchange_Cost_Top"]["text"], "138,240")

        d.ok("tap", outlet="img_Exchange_Nation_Top")
        _, o, children = self.front(d)
        self.assertEqual(children[0]["name"], "DiaExchangeList")
        rows = [r["textLabel"]["text"] for r in children[0]["outlets"]["tbl_ExchangeNation"]["rows"]]
        # The calculator beneath the open picker cannot be touched.
        _, answer = d.command("tap", outlet="btn_Exchange_Back", screen="UIExchange")
        self.assertEqual(answer["event"], "error")
        d.ok("select", outlet="tbl_ExchangeNation", row=rows.index("일본 옌 (JPY(100))"))
        d.ok("type", outlet="txt_Exchange_Cost_Top", text="10,000")
        self.assertEqual(outlets(d.dump())["txt_Exchange_Cost_Buttom"]["text"], "64.35")

    def test_departure_half_of_the_card_opens_that_nations_card_guide(self):
        store(self.data)
        d = self.start()
        events = d.ok("tap", outlet="v_Departure_Flight")
        self.assertIn({"event": "present", "screen": "UIInOut", "animated": False}, events)
        _, o, _ = self.front(d)
        self.assertEqual(o["imageZoom"], {"image": "korearepublic.jpg", "zoom": 1.0,
                                          "hidden": False})

        # Another nation through the suggestions.
        d.ok("type", outlet="txt_InOutImage_Nation", text="jap")
        d.ok("select", outlet="tableView", row=0)
        _, o, _ = self.front(d)
        self.assertEqual(o["txt_InOutImage_Nation"]["text"], "일본 (Japan)")
        self.assertEqual(o["imageZoom"]["image"], "japan.jpg")

    def test_passport_photo_is_taken_over_by_the_card_guide(self):
        photo = os.path.join(self.data, "shot.jpg")
        with open(photo, "wb") as f:
            # A JPEG header declaring 400 x 300.
            f.write(bytes([0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x11, 0x08, 0x01, 0x2C, 0x01, 0x90,
                           0x03, 0x01, 0x22, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01, 0xFF,
                           0xD9]))
        d = self.start()
        d.ok("camera", available=True, image=photo)
        d.ok("tap", outlet="addButton")
        d.ok("menu", index=0)
        d.ok("tap", outlet="btn_Capture")
        d.ok("alert", button="확인")
        d.ok("tap", outlet="addButton")
        d.ok("menu", index=1)
        in_use = os.path.join(self.data, "IMG_Tamberlinove_Passport1.jpg")
        self.assertEqual(outlets(d.dump())["imageZoom_Passport"]["image"], in_use)
        self.assertFalse(os.path.exists(os.path.join(self.data, "IMG_Tamberlinove_Passport.jpg")))

    def test_flight_search_opens_the_partner_with_a_valid_address(self):
        d = self.start()
        d.ok("tap", outlet="btn_Menu3")
        d.ok("tap", outlet="btn_Search")
        _, answer = d.command("alert", button="확인")
        self.assertEqual(answer["event"], "done")

        d.ok("type", outlet="txt_Departure", text="ICN")
        d.ok("select", outlet="tableView", row=0)
        d.ok("type", outlet="txt_Arrival", text="nrt")
        d.ok("select", outlet="tableView", row=0)
        d.ok("tap", outlet="btn_Return")
        d.ok("tap", outlet="btn_StartDate")
        d.ok("select", outlet="calendarView", date="20261220")
        d.ok("tap", outlet="btn_ReturnDate")
        d.ok("select", outlet="calendarView", date="20261227")
        d.ok("tap", outlet="btn_Children_Plus")
        d.ok("tap", outlet="btn_Infants_Plus")
        events = d.ok("tap", outlet="btn_Search")
        urls = [e["url"] for e in of(events, "open-url")]
        self.assertEqual(len(urls), 1)
        self.assertRegex(urls[0], r"^http://127\.0\.0\.1:\d+/apiservices/referral/v1\.0/KR/KRW/"
                                  r"kr-KR/ICN/NRT/2026-12-20/2026-12-27/\?apiKey=DEMO-REFERRAL-KEY"
                                  r"&adultsv2=1&childrenv2=4%7C0$")

        # The hotel partner from the main screen, beside it.
        d.ok("tap", outlet="btn_Back")
        events = d.ok("tap", outlet="btn_Menu4")
        self.assertRegex(of(events, "open-url")[0]["url"],
                         r"^http://127\.0\.0\.1:\d+/hotel\?a_aid=1000$")


if __name__ == "__main__":
    unittest.main()
