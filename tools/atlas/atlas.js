// Tallowmark atlas: sorting and filtering the item table, the map pages' options, hover text
// and cells, and animated pictures. Every text it shows comes from the pages, as text.
"use strict";

function itemTable() {
  const table = document.getElementById("items");
  if (!table) return;
  const body = table.tBodies[0];
  const rows = Array.from(body.rows);
  const ranks = new Map(rows.map((row) => [row, row.dataset.rank.split(",").map(Number)]));
  let column = -1, state = 0;
  function sortBy(th) {
    const c = Number(th.dataset.col);
    state = c === column ? (state + 1) % 3 : 1;
    column = c;
    for (const other of table.tHead.rows[0].cells) other.removeAttribute("aria-sort");
    if (state === 0) return; // the rows stay as they are
    th.setAttribute("aria-sort", state === 1 ? "ascending" : "descending");
    const d = state === 1 ? 1 : -1;
    const sorted = Array.from(body.rows).sort((a, b) => d * (ranks.get(a)[c] - ranks.get(b)[c]));
    body.append(...sorted);
  }
  for (const th of table.tHead.rows[0].cells) {
    th.addEventListener("click", () => sortBy(th));
    th.addEventListener("keydown", (e) => { if (e.key === "Enter" || e.key === " ") { e.preventDefault(); sortBy(th); } });
  }
  const form = document.getElementById("item-filter");
  const count = document.getElementById("item-count");
  function checked(name) {
    let bits = 0;
    for (const box of form.querySelectorAll("input[name=" + name + "]:checked")) bits |= 1 << Number(box.value);
    return bits;
  }
  function filter() {
    const type = Number(form.elements.type.value), skill = Number(form.elements.skill.value);
    const useRes = form.elements["use-res"].checked, useEff = form.elements["use-eff"].checked;
    const useProp = form.elements["use-prop"].checked;
    const res = checked("res"), eff = checked("eff"), prop = checked("prop");
    let shown = 0;
    for (const row of rows) {
      const d = row.dataset;
      const pass = (type === 255 || Number(d.type) === type) && (skill === 255 || Number(d.skill) === skill) &&
        (!useEff || (Number(d.eff) & eff) !== 0) && (!useRes || (Number(d.res) & res) !== 0) &&
        (!useProp || (Number(d.prop) & prop) !== 0);
      row.hidden = !pass;
      shown += pass ? 1 : 0;
    }
    count.textContent = shown + " items";
  }
  form.addEventListener("change", filter);
}

function mapPage() {
  const map = document.getElementById("map");
  if (!map) return;
  const data = JSON.parse(document.getElementById("map-data").textContent);
  const hover = document.getElementById("hover");
  for (const box of document.querySelectorAll("input[data-overlay]")) {
    const overlay = document.getElementById("overlay-" + box.dataset.overlay);
    if (!overlay) continue; // the option marks nothing on this map
    const update = () => { overlay.hidden = !box.checked; };
    box.addEventListener("change", update);
    update();
  }
  const all = document.getElementById("toggle-all");
  if (all) all.addEventListener("change", () => {
    for (const box of document.querySelectorAll("input[data-overlay]:not([data-overlay=battle])")) {
      box.checked = all.checked;
      box.dispatchEvent(new Event("change"));
    }
  });
  function cellAt(e) {
    const rect = map.getBoundingClientRect();
    const x = Math.floor(e.clientX - rect.left), y = Math.floor(e.clientY - rect.top);
    if (x < 0 || y < 0 || x >= data.width || y >= data.height) return -1;
    return data.grid[Math.floor(y / data.rowStep) * data.columns + Math.floor(x / data.columnStep)];
  }
  map.addEventListener("mousemove", (e) => {
    const cell = cellAt(e);
    hover.textContent = cell < 0 ? "" : data.cells[cell][0];
  });
  map.addEventListener("mouseleave", () => { hover.textContent = ""; });
  map.addEventListener("click", (e) => {
    const cell = cellAt(e);
    if (cell >= 0 && data.cells[cell][1]) location.hash = data.cells[cell][1];
  });
  function showCell() {
    for (const shown of document.querySelectorAll("section.cell:not([hidden])")) shown.hidden = true;
    const id = decodeURIComponent(location.hash.slice(1));
    const section = id ? document.getElementById(id) : null;
    if (section && section.classList.contains("cell")) section.hidden = false;
  }
  window.addEventListener("hashchange", showCell);
  showCell();
}

function animations() {
  for (const player of document.querySelectorAll(".frames[data-delay]")) {
    const frames = Array.from(player.children);
    if (frames.length < 2) continue;
    let shown = 0;
    frames.forEach((frame, i) => { frame.hidden = i !== 0; });
    setInterval(() => {
      frames[shown].hidden = true;
      shown = (shown + 1) % frames.length;
      frames[shown].hidden = false;
    }, Number(player.dataset.delay));
  }
}

itemTable();
mapPage();
animations();
