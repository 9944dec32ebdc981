#!/usr/bin/env python3
"""Figures for ulnik.html in headless Chromium, from the page's own performance measures:
a report chosen to its page painted (file read, pipeline, frame loaded, a frame drawn; target
under 100 ms), a folder of 300 reports chosen to its list painted (target under 500 ms) and
that folder's classification summary asked for to painted (target under 300 ms); with the
native and the node ulnik-render on the same folder for comparison.

    /usr/bin/python3 bench/web/bench_page.py build/web/ulnik.html build/app/ulnik-render \
        build/web/ulnik-render-node samples
"""
import os
import pathlib
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

PAGE, NATIVE, NODE_TOOL, SAMPLES = (pathlib.Path(a).resolve() for a in sys.argv[1:5])
REPORTS = 300


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for argument in ('--headless=new', '--no-sandbox'):
        options.add_argument(argument)
    options.add_experimental_option('prefs', {'intl.accept_languages': 'pl-PL,pl'})
    return webdriver.Chrome(options=options, service=Service('/usr/bin/chromedriver'))


def settled(driver, count, name):
    for _ in range(6000):
        if driver.execute_script('return document.body.dataset.stan === "gotowy" && '
                                 'performance.getEntriesByName(arguments[0]).length >= arguments[1]', name, count):
            return driver.execute_script('return performance.getEntriesByName(arguments[0]).at(-1).duration', name)
        time.sleep(0.01)
    raise SystemExit('the page did not finish')


def figures(label, milliseconds):
    print(f'{label}: median {statistics.median(milliseconds):.1f} ms, min {min(milliseconds):.1f} ms, '
          f'max {max(milliseconds):.1f} ms ({len(milliseconds)} runs)')


def timed(command, runs=5):
    spent = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True,
                       env=dict(os.environ, LC_ALL='pl_PL.UTF-8'))
        spent.append((time.perf_counter() - start) * 1000)
    return spent


def main():
    reports = sorted((SAMPLES / 'odebrane').glob('*.xml'))
    with tempfile.TemporaryDirectory() as scratch:
        folder = pathlib.Path(scratch) / 'odebrane'
        folder.mkdir()
        for i in range(REPORTS):
            shutil.copy(reports[i % len(reports)], folder / f'{i:04}_{reports[i % len(reports)].name}')

        driver = browser()
        try:
            driver.get(PAGE.as_uri())
            opened = []
            for i in range(40):
                driver.find_element(By.ID, 'plik').send_keys(str(reports[i % len(reports)]))
                opened.append(settled(driver, i + 1, 'ulnik: plik → strona'))
            figures('report chosen to page painted', opened[5:])

            listed = []
            for i in range(5):
                driver.find_element(By.ID, 'folder').send_keys(str(folder))
                listed.append(settled(driver, i + 1, 'ulnik: folder → lista'))
            figures(f'folder of {REPORTS} reports chosen to list painted', listed)

            summaries = []
            for i in range(5):
                driver.find_element(By.ID, 'wyniki').click()
                summaries.append(settled(driver, i + 1, 'ulnik: → strona szkoły'))
            figures(f'summary of {REPORTS} reports, button to page painted', summaries)
        finally:
            driver.quit()

        figures(f'native ulnik-render --list, {REPORTS} reports (process)', timed([NATIVE, '--list', folder]))
        figures(f'node ulnik-render.js --list, {REPORTS} reports (process)', timed([NODE_TOOL, '--list', folder]))
        figures(f'native ulnik-render --summary, {REPORTS} reports (process)', timed([NATIVE, '--summary', folder]))
        figures(f'node ulnik-render.js --summary, {REPORTS} reports (process)', timed([NODE_TOOL, '--summary', folder]))
        figures('native ulnik-render, one report (process)', timed([NATIVE, reports[4]], 20))
        figures('node ulnik-render.js, one report (process)', timed([NODE_TOOL, reports[4]], 20))


if __name__ == '__main__':
    main()
