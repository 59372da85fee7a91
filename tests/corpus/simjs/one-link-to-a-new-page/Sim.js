function buildSimulation(){
  Areas.push("0, 0, 9, 9, b.html, left, 2");
  walk.push(new page(1, "start", "a.png", Areas));
  walk.push(new page(2, "b", "", Areas));
}
