// The title page: every change of the title, style, effect or scale asks
// the service for the request's URLs (signed when it has a key) and shows
// the picture; typing waits for a pause first. User text only ever reaches
// the page as text (textContent, value, attributes set one by one), never
// as markup.
"use strict";

const typingPause = 250;
const busyRetries = 10;
const retryPause = 1000;
let chosenStyle = "";
let pending = 0;
let asked = 0;

function byId(id) { return document.getElementById(id); }

function query() {
  const parts = new URLSearchParams();
  parts.set("text", byId("title").value);
  if (chosenStyle) parts.set("style", chosenStyle);
  if (byId("effect").value) parts.set("effect", byId("effect").value);
  if (byId("scale").value !== "1") parts.set("scale", byId("scale").value);
  return parts.toString();
}

function attribute(text) {
  return text.replace(/&/g, "&amp;").replace(/"/g, "&quot;").replace(/</g, "&lt;").replace(/>/g, "&gt;");
}

function snippet(urls, title) {
  const [one, two, three] = urls.densities;
  return '<img src="' + attribute(one) + '" srcset="' + attribute(two) + " 2x, " +
      attribute(three) + ' 3x" alt="' + attribute(title) + '">';
}

async function show() {
  const number = ++asked;
  const title = byId("title").value;
  const answer = await fetch("/v1/sign?" + query());
  if (number !== asked) return;
  if (!answer.ok) {
    byId("problem").textContent = await answer.text();
    return;
  }
  const urls = await answer.json();
  const picture = byId("picture");
  picture.alt = title;
  load(picture, urls.png, (problem) => {
    if (number === asked) byId("problem").textContent = problem;
  });
  byId("caption").textContent = title;
  byId("url").value = new URL(urls.png, location.href).href;
  byId("snippet").value = snippet(urls, title);
}

// Loads `url` into `picture`. A load that failed while the service was
// busy (429, 503, or fine when asked again) is tried again a second later,
// a few times; a refusal of the request itself is told.
function load(picture, url, tell, attempt = 0) {
  picture.onerror = async () => {
    const answer = await fetch(url);
    const busy = answer.ok || answer.status === 429 || answer.status === 503;
    if (busy && attempt < busyRetries) {
      setTimeout(() => load(picture, url, tell, attempt + 1), retryPause);
    } else {
      tell(answer.ok ? "the service is busy; try again" : await answer.text());
    }
  };
  picture.onload = () => tell("");
  picture.removeAttribute("src");
  picture.src = url;
}

function showSoon() {
  clearTimeout(pending);
  pending = setTimeout(show, typingPause);
}

function styleButton(name) {
  const button = document.createElement("button");
  button.type = "button";
  button.setAttribute("aria-pressed", "false");
  button.title = name;
  const thumbnail = document.createElement("img");
  thumbnail.alt = name;
  fetch("/v1/sign?" + new URLSearchParams({ text: "Aa", style: name, size: "24" }))
    .then((answer) => answer.json())
    .then((urls) => load(thumbnail, urls.png, () => {}));
  button.append(thumbnail);
  button.addEventListener("click", () => {
    for (const other of byId("gallery").querySelectorAll("button"))
      other.setAttribute("aria-pressed", String(other === button));
    chosenStyle = name;
    show();
  });
  return button;
}

async function start() {
  const options = await (await fetch("/v1/options")).json();
  for (const name of options.styles) byId("gallery").append(styleButton(name));
  const effect = byId("effect");
  effect.append(new Option("(the style's)", ""));
  for (const name of options.effects) effect.append(new Option(name, name));
  byId("title").addEventListener("input", showSoon);
  effect.addEventListener("change", show);
  byId("scale").addEventListener("change", show);
  show();
}

document.addEventListener("DOMContentLoaded", start);
