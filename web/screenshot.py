#!/usr/bin/env python3
"""A picture of ulnik.html in headless Chromium showing a report, as the README shows it:

    /usr/bin/python3 web/screenshot.py build/web/ulnik.html samples/klasyfikacja_klasy_3a.xml docs/web.png

Needs Debian's chromium, chromium-driver and python3-selenium.
"""
import pathlib
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By


def main():
    page, report, out = (pathlib.Path(a).resolve() for a in sys.argv[1:4])
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for argument in ('--headless=new', '--no-sandbox'):
        options.add_argument(argument)
    options.add_experimental_option('prefs', {'intl.accept_languages': 'pl-PL,pl'})
    driver = webdriver.Chrome(options=options, service=Service('/usr/bin/chromedriver'))
    try:
        driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                               {'width': 680, 'height': 480, 'deviceScaleFactor': 1, 'mobile': False})
        driver.get(page.as_uri())
        driver.find_element(By.ID, 'plik').send_keys(str(report))
        for _ in range(100):
            if driver.execute_script('return document.body.dataset.stan === "gotowy" && '
                                     'document.getElementById("strona").srcdoc.length > 0'):
                break
            time.sleep(0.1)
        time.sleep(0.3)
        driver.save_screenshot(str(out))
    finally:
        driver.quit()


if __name__ == '__main__':
    main()
