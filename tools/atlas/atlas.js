// Tallowmark atlas: sorting and filtering the item table, the map pages' options, hover text
// and cells, and animated pictures. Every text it shows comes from the pages, as text.
"use strict";

// The item table lays out only the rows in view, between two spacer rows that stand for the
// rest: a browser takes far longer than a sort may to lay out every row of it. The rows wait in
// a template; the page scrolls as a whole, so the header stays where it is.
function itemTable() {
  const table = document.getElementById("items");
  if (!table) return;
  const body = table.tBodies[0];
  const headings = Array.from(table.tHead.rows[0].cells);
  const rows = Array.from(document.getElementById("item-rows").content.children);
  const ranks = rows.map((row) => row.dataset.rank.split(",").map(Number));
  const names = rows.map((row) => row.cells[0].textContent.toLowerCase());
  let order = rows.map((row, i) => i); // the current sort
  let passes = rows.map(() => true); // the current filter
  let shown = order; // the rows the table holds, in order
  let column = -1, state = 0;
  let rowHeight = 29, first = -1, last = -1, target = null;
  const spare = 8; // rows laid out beyond each edge of the view, so that the keyboard finds its next row
  const widths = headings.map(() => 0);

  function spacer() {
    const row = document.createElement("tr");
    row.className = "spacer";
    row.setAttribute("aria-hidden", "true");
    const cell = document.createElement("td");
    cell.colSpan = headings.length;
    row.append(cell);
    return row;
  }
  const above = spacer(), below = spacer();

  function render(always) {
    const top = body.getBoundingClientRect().top;
    const count = Math.ceil(innerHeight / rowHeight) + 2 * spare;
    // Past the end (a filter just shortened the table), the last rows.
    const from = Math.max(0, Math.min(shown.length - count, Math.floor(-top / rowHeight) - spare));
    const to = Math.min(shown.length, from + count);
    if (!always && from === first && to === last) return;
    first = from;
    last = to;
    const focused = body.contains(document.activeElement) ? document.activeElement : null;
    above.hidden = from === 0;
    above.cells[0].style.height = from * rowHeight + "px";
    below.hidden = to === shown.length;
    below.cells[0].style.height = (shown.length - to) * rowHeight + "px";
    const fragment = document.createDocumentFragment();
    fragment.append(above);
    for (let k = from; k < to; ++k) {
      const row = rows[shown[k]];
      row.setAttribute("aria-rowindex", k + 2);
      fragment.append(row);
    }
    fragment.append(below);
    body.replaceChildren(fragment);
    if (focused && focused.isConnected) focused.focus({ preventScroll: true });
    // Columns widen to the widest row seen and never narrow, so that they hold still while scrolling.
    headings.forEach((th, c) => {
      const width = th.getBoundingClientRect().width;
      if (width > widths[c] + 0.5) {
        widths[c] = width;
        th.style.minWidth = getComputedStyle(th).width; // the width within its padding
      }
    });
  }

  // The height of a row as laid out (the zoom and the fonts decide it).
  function measure() {
    const laid = body.querySelectorAll("tr:not(.spacer)");
    if (laid.length < 2) return;
    const height = (laid[laid.length - 1].getBoundingClientRect().bottom - laid[0].getBoundingClientRect().top) / laid.length;
    if (Math.abs(height - rowHeight) > 0.01) {
      rowHeight = height;
      render(true);
    }
  }

  // items.html#i12 (the item pages link there): scroll that row into view and mark it.
  function showTarget() {
    if (target) target.classList.remove("target");
    const index = rows.findIndex((row) => "#" + row.id === location.hash);
    target = index < 0 ? null : rows[index];
    const place = shown.indexOf(index);
    if (!target || place < 0) return;
    target.classList.add("target");
    const header = table.tHead.getBoundingClientRect().height;
    window.scrollTo(0, window.scrollY + body.getBoundingClientRect().top + place * rowHeight - header);
    render(true);
  }

  function update() {
    shown = order.filter((i) => passes[i]);
    table.setAttribute("aria-rowcount", shown.length + 1);
    render(true);
  }

  function sortBy(th) {
    const c = Number(th.dataset.col);
    state = c === column ? (state + 1) % 3 : 1;
    column = c;
    for (const other of headings) other.removeAttribute("aria-sort");
    if (state === 0) return; // the rows stay as they are
    th.setAttribute("aria-sort", state === 1 ? "ascending" : "descending");
    const d = state === 1 ? 1 : -1;
    order = order.slice().sort((a, b) => d * (ranks[a][c] - ranks[b][c])); // stable: equal rows keep their order
    update();
  }
  for (const th of headings) {
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
    const name = form.elements.find.value.trim().toLowerCase();
    passes = rows.map((row, i) => {
      const d = row.dataset;
      return (type === 255 || Number(d.type) === type) && (skill === 255 || Number(d.skill) === skill) &&
        (!useEff || (Number(d.eff) & eff) !== 0) && (!useRes || (Number(d.res) & res) !== 0) &&
        (!useProp || (Number(d.prop) & prop) !== 0) && names[i].includes(name);
    });
    update();
    count.textContent = shown.length + " items";
  }
  form.addEventListener("change", filter);
  form.elements.find.addEventListener("input", filter);
  form.addEventListener("submit", (e) => e.preventDefault());

  window.addEventListener("scroll", () => render(false), { passive: true });
  window.addEventListener("resize", () => { render(true); measure(); });
  window.addEventListener("hashchange", showTarget);
  // A reload keeps the form's choices.
  if (form.elements.find.value || form.querySelector("input:checked") ||
      Number(form.elements.type.value) !== 255 || Number(form.elements.skill.value) !== 255) filter();
  render(true);
  measure();
  if (location.hash) showTarget();
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
    // Options that mark nothing on this map stay as they are.
    for (const box of document.querySelectorAll("input[data-overlay]:not([data-overlay=battle]):not(:disabled)")) {
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
