-- Clause library Resource/ApprStandar.mdb.
--
-- The clause picker of the component table lists the rows whose Part equals
-- the row's constituent part and whose Struct equals the row's component
-- structure, in the order below, and copies No into the row's clause cell
-- (20 characters at most). Every part and structure that the choice list
-- offers has its clauses here, so that no combination leaves the picker empty.
--
-- Numbers follow the sections of the dangerous-building appraisal standard on
-- the danger of single components: 4.2 foundation soil and foundations,
-- 4.3 masonry, 4.4 timber, 4.5 concrete, 4.6 steel; "-n" is the item. The
-- standard has no section on makeshift structures: their clauses, numbered
-- 4.7.3-n, are this library's own and follow the same way of judging.
-- A clause describes the state in which the component counts as dangerous.

CREATE TABLE ApprStandar (
  Part varchar(20),
  Struct varchar(20),
  "No" varchar(20),
  FileItem Memo
);

-- Foundation soil and foundations ------------------------------------------

INSERT INTO ApprStandar VALUES ('地基基础', '地基', '4.2.3-1',
  '地基沉降仍在发展，连续两个月的沉降速率均大于每月2mm，短期内看不出趋于稳定。');
INSERT INTO ApprStandar VALUES ('地基基础', '地基', '4.2.3-2',
  '地基不均匀沉降超过地基基础设计规范的允许值，上部墙体出现宽度大于10mm的沉降裂缝，房屋局部倾斜率大于1%。');
INSERT INTO ApprStandar VALUES ('地基基础', '地基', '4.2.3-3',
  '地基失稳滑移，水平位移大于10mm，已明显影响上部结构，并仍有继续滑动的迹象。');

INSERT INTO ApprStandar VALUES ('地基基础', '基础', '4.2.4-1',
  '基础的承载能力不足，小于其所受作用效应的85%。');
INSERT INTO ApprStandar VALUES ('地基基础', '基础', '4.2.4-2',
  '基础老化、腐蚀、酥碎或折断，已使上部结构明显倾斜、位移、开裂或扭曲。');
INSERT INTO ApprStandar VALUES ('地基基础', '基础', '4.2.4-3',
  '基础已经滑动，连续两个月的水平位移速率大于每月2mm，短期内没有停止的趋势。');

INSERT INTO ApprStandar VALUES ('地基基础', '砌体', '4.3.3-1',
  '砖石基础或基础墙的承载能力小于作用效应的85%。');
INSERT INTO ApprStandar VALUES ('地基基础', '砌体', '4.2.4-2',
  '砖石基础长期受潮风化，灰缝酥松、砌块碎裂，致使上部墙体明显倾斜或开裂。');
INSERT INTO ApprStandar VALUES ('地基基础', '砌体', '4.3.3-5',
  '基础墙倾斜率大于0.7%，或与相邻墙体的交接处断开成通缝。');

INSERT INTO ApprStandar VALUES ('地基基础', '混凝土', '4.5.3-1',
  '混凝土基础、基础梁或承台的承载能力小于作用效应的85%。');
INSERT INTO ApprStandar VALUES ('地基基础', '混凝土', '4.2.4-2',
  '混凝土基础或桩身腐蚀、酥碎、断裂，致使上部结构明显倾斜、位移或开裂。');
INSERT INTO ApprStandar VALUES ('地基基础', '混凝土', '4.5.3-5',
  '基础梁因钢筋锈蚀沿主筋方向开裂，缝宽大于1mm，或混凝土严重缺损、露筋。');

INSERT INTO ApprStandar VALUES ('地基基础', '木结构', '4.4.3-8',
  '木桩或木地梁腐朽、虫蛀、心腐，承载能力明显下降，上部结构随之下沉。');
INSERT INTO ApprStandar VALUES ('地基基础', '木结构', '4.2.4-2',
  '木基础腐烂或折断，已使上部结构倾斜、开裂。');

INSERT INTO ApprStandar VALUES ('地基基础', '钢结构', '4.6.3-4',
  '钢柱脚、锚栓或钢桩锈蚀，截面削弱大于原截面的10%。');
INSERT INTO ApprStandar VALUES ('地基基础', '钢结构', '4.6.3-2',
  '柱脚连接焊缝开裂，锚栓松动、拔出或剪断。');

INSERT INTO ApprStandar VALUES ('地基基础', '简易结构', '4.7.3-10',
  '垫石、砖墩或浅埋木桩等简易基础下沉、松动，或被水冲刷掏空，上部支承随之歪闪。');

-- Load-bearing structure -----------------------------------------------------

INSERT INTO ApprStandar VALUES ('承重结构', '地基', '4.2.3-1',
  '地基持续沉降，连续两个月的沉降速率大于每月2mm，承重墙、柱上的裂缝随之发展。');
INSERT INTO ApprStandar VALUES ('承重结构', '地基', '4.2.3-2',
  '地基不均匀沉降使承重墙、柱出现宽度大于10mm的沉降裂缝，房屋局部倾斜率大于1%。');
INSERT INTO ApprStandar VALUES ('承重结构', '地基', '4.2.3-3',
  '地基滑移使承重结构水平位移大于10mm，结构已明显受损，且滑移仍在发展。');

INSERT INTO ApprStandar VALUES ('承重结构', '基础', '4.2.4-2',
  '柱、墙下的基础老化、腐蚀、酥碎或断裂，致使上部承重结构明显倾斜、位移或开裂。');
INSERT INTO ApprStandar VALUES ('承重结构', '基础', '4.2.4-3',
  '柱、墙下的基础滑动，连续两个月水平位移速率大于每月2mm，承重结构随之变形。');

INSERT INTO ApprStandar VALUES ('承重结构', '砌体', '4.3.3-1',
  '砌体墙、柱的承载能力小于作用效应的85%。');
INSERT INTO ApprStandar VALUES ('承重结构', '砌体', '4.3.3-2',
  '承重墙、柱受压出现竖向裂缝，缝宽大于1.0mm且缝长超过层高的一半，或多条竖向裂缝的缝长超过层高的三分之一。');
INSERT INTO ApprStandar VALUES ('承重结构', '砌体', '4.3.3-3',
  '梁或屋架支承处的墙体、柱因局部受压出现多条竖向裂缝，或裂缝宽度大于1mm。');
INSERT INTO ApprStandar VALUES ('承重结构', '砌体', '4.3.3-4',
  '墙、柱因偏心受压出现水平裂缝，缝宽大于0.5mm。');
INSERT INTO ApprStandar VALUES ('承重结构', '砌体', '4.3.3-5',
  '墙、柱倾斜，倾斜率大于0.7%，或相邻墙体交接处开裂成通缝。');
INSERT INTO ApprStandar VALUES ('承重结构', '砌体', '4.3.3-6',
  '墙、柱刚度不足，出现弯曲鼓闪，鼓闪部位伴有水平或交叉裂缝。');
INSERT INTO ApprStandar VALUES ('承重结构', '砌体', '4.3.3-7',
  '砖过梁跨中出现明显竖向裂缝、端部出现明显斜裂缝，或过梁弯曲下沉，或支承过梁的墙体出现水平裂缝。');
INSERT INTO ApprStandar VALUES ('承重结构', '砌体', '4.3.3-8',
  '砖拱、筒拱沿拱身开裂，拱面明显变形或拱脚明显位移，或拱的拉杆严重锈蚀而失去作用。');
INSERT INTO ApprStandar VALUES ('承重结构', '砌体', '4.3.3-9',
  '石墙或土墙过于高薄：单层高厚比大于14、两层大于12且墙体自由长度大于6m；或偏心距达到墙厚的六分之一。');

INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-1',
  '混凝土构件的承载能力小于作用效应的85%。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-2',
  '梁、板挠度大于计算跨度的1/150，且受拉区裂缝宽度大于1mm。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-3',
  '梁跨中受拉区的竖向裂缝向上延伸超过梁高的2/3且缝宽大于0.5mm，或支座附近出现宽度大于0.4mm的剪切斜裂缝。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-4',
  '梁、板受力主筋处出现宽度大于1mm的横向或斜向裂缝，或板出现宽度大于0.4mm的受拉裂缝。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-5',
  '梁、板主筋锈蚀，沿主筋方向开裂且缝宽大于1mm，或混凝土严重缺损、保护层大片脱落露筋。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-6',
  '现浇板板面沿周边开裂，或板底出现交叉裂缝。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-7',
  '预应力梁、板出现竖向通长裂缝，或端部混凝土松散露筋，露筋长度达到主筋直径的100倍以上。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-8',
  '柱身竖向开裂、保护层剥落、主筋外露锈蚀；或柱一侧出现宽度大于1mm的水平裂缝，另一侧混凝土压碎。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-9',
  '混凝土墙中部出现宽度大于0.4mm的交叉裂缝。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-10',
  '柱、墙倾斜率大于1%，或侧向位移大于高度的1/500。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-11',
  '柱、墙混凝土酥裂、碳化、起鼓，损坏面大于全截面的1/3，主筋外露且严重锈蚀，截面削弱。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-12',
  '柱、墙侧向变形大于高度的1/250，或大于30mm。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-13',
  '屋架挠度大于跨度的1/200，且下弦出现宽度大于1mm的横向断裂缝。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-14',
  '屋架支撑系统失效导致屋架倾斜，倾斜量大于屋架高度的2%。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-15',
  '压弯构件保护层剥落，主筋多处外露锈蚀，端节点连接松动并伴有明显的变形裂缝。');
INSERT INTO ApprStandar VALUES ('承重结构', '混凝土', '4.5.3-16',
  '梁、板在支座上的实际搁置长度小于规定值的70%。');

INSERT INTO ApprStandar VALUES ('承重结构', '木结构', '4.4.3-1',
  '木构件的承载能力小于作用效应的85%。');
INSERT INTO ApprStandar VALUES ('承重结构', '木结构', '4.4.3-2',
  '连接构造不当或有严重缺陷，节点松动、变形、滑移，沿剪切面开裂、剪坏，或连接铁件严重锈蚀松脱而失效。');
INSERT INTO ApprStandar VALUES ('承重结构', '木结构', '4.4.3-3',
  '木梁挠度大于计算跨度的1/150，或受拉区有较严重的木材缺陷。');
INSERT INTO ApprStandar VALUES ('承重结构', '木结构', '4.4.3-4',
  '屋架挠度大于跨度的1/120，且顶部或端部节点腐朽、劈裂；或屋架平面外倾斜大于屋架高度的1/120。');
INSERT INTO ApprStandar VALUES ('承重结构', '木结构', '4.4.3-5',
  '檩条、搁栅挠度大于跨度的1/120，伸入墙内的部分腐朽、虫蛀或空鼓。');
INSERT INTO ApprStandar VALUES ('承重结构', '木结构', '4.4.3-6',
  '木柱侧弯，矢高大于柱高的1/150；或柱顶劈裂、柱身断裂；或柱脚腐朽面积大于原截面的1/5。');
INSERT INTO ApprStandar VALUES ('承重结构', '木结构', '4.4.3-7',
  '受拉、受弯、偏心受压和轴心受压构件的斜纹或斜裂缝，斜率分别大于7%、10%、15%和20%。');
INSERT INTO ApprStandar VALUES ('承重结构', '木结构', '4.4.3-8',
  '木构件有心腐。');

INSERT INTO ApprStandar VALUES ('承重结构', '钢结构', '4.6.3-1',
  '钢构件的承载能力小于作用效应的85%。');
INSERT INTO ApprStandar VALUES ('承重结构', '钢结构', '4.6.3-2',
  '构件或连接件有裂缝或锐角切口，焊缝、螺栓或铆钉拉开、变形、滑移、松动或剪坏。');
INSERT INTO ApprStandar VALUES ('承重结构', '钢结构', '4.6.3-3',
  '连接方式不当，构造有严重缺陷。');
INSERT INTO ApprStandar VALUES ('承重结构', '钢结构', '4.6.3-4',
  '受拉构件锈蚀，截面削弱大于原截面的10%。');
INSERT INTO ApprStandar VALUES ('承重结构', '钢结构', '4.6.3-5',
  '梁、板挠度大于跨度的1/250，或大于45mm。');
INSERT INTO ApprStandar VALUES ('承重结构', '钢结构', '4.6.3-6',
  '实腹梁侧向弯曲，矢高大于跨度的1/600，且仍在发展。');
INSERT INTO ApprStandar VALUES ('承重结构', '钢结构', '4.6.3-7',
  '受压构件侧向弯曲，矢高大于构件长度的1/660。');
INSERT INTO ApprStandar VALUES ('承重结构', '钢结构', '4.6.3-8',
  '钢柱柱顶位移在平面内大于柱高的1/150、平面外大于1/500，或大于40mm。');
INSERT INTO ApprStandar VALUES ('承重结构', '钢结构', '4.6.3-9',
  '屋架挠度大于跨度的1/250或大于40mm；或支撑松动失稳使屋架倾斜，倾斜量大于屋架高度的1/150。');

INSERT INTO ApprStandar VALUES ('承重结构', '简易结构', '4.7.3-1',
  '竹、木立柱或支撑严重腐朽、虫蛀、劈裂，截面损失大于1/4，或柱脚悬空、脱离基座。');
INSERT INTO ApprStandar VALUES ('承重结构', '简易结构', '4.7.3-2',
  '轻钢或铁件支架锈蚀严重，截面削弱大于10%，或焊缝开裂、螺栓松脱。');
INSERT INTO ApprStandar VALUES ('承重结构', '简易结构', '4.7.3-3',
  '立柱或支架倾斜大于高度的1/100，或整体明显歪闪、晃动。');
INSERT INTO ApprStandar VALUES ('承重结构', '简易结构', '4.7.3-4',
  '屋面檩条、桁条挠度大于跨度的1/100，或已折断。');
INSERT INTO ApprStandar VALUES ('承重结构', '简易结构', '4.7.3-5',
  '构件之间仅用铁丝绑扎或钉接，节点松脱，已失去连接作用。');
INSERT INTO ApprStandar VALUES ('承重结构', '简易结构', '4.7.3-6',
  '搭建物依附于其他房屋，依附部位开裂、脱开，自身不能保持稳定。');

-- Enclosure ---------------------------------------------------------------------

INSERT INTO ApprStandar VALUES ('围护结构', '地基', '4.2.3-2',
  '地基不均匀沉降使围护墙出现宽度大于10mm的沉降裂缝，墙体局部倾斜率大于1%。');
INSERT INTO ApprStandar VALUES ('围护结构', '地基', '4.2.3-3',
  '地基滑移使围护墙水平位移大于10mm，且仍在发展。');

INSERT INTO ApprStandar VALUES ('围护结构', '基础', '4.2.4-2',
  '围护墙下的基础或地梁老化、酥碎或断裂，墙体随之下沉、倾斜、开裂。');

INSERT INTO ApprStandar VALUES ('围护结构', '砌体', '4.3.3-2',
  '围护墙出现竖向裂缝，缝宽大于1.0mm且缝长超过层高的一半，或多条竖向裂缝的缝长超过层高的三分之一。');
INSERT INTO ApprStandar VALUES ('围护结构', '砌体', '4.3.3-5',
  '围护墙倾斜率大于0.7%，或与相邻墙体的交接处断开成通缝。');
INSERT INTO ApprStandar VALUES ('围护结构', '砌体', '4.3.3-6',
  '围护墙刚度不足，弯曲鼓闪，鼓闪部位伴有水平或交叉裂缝。');
INSERT INTO ApprStandar VALUES ('围护结构', '砌体', '4.3.3-7',
  '门窗洞口的砖过梁跨中明显竖向开裂、端部明显斜裂，或过梁弯曲下沉。');
INSERT INTO ApprStandar VALUES ('围护结构', '砌体', '4.3.3-9',
  '石砌或土筑的围护墙单层高厚比大于14、两层大于12，且墙体自由长度大于6m。');

INSERT INTO ApprStandar VALUES ('围护结构', '混凝土', '4.5.3-5',
  '雨篷、挑檐、阳台板等因钢筋锈蚀沿主筋开裂，缝宽大于1mm，或保护层大片脱落露筋。');
INSERT INTO ApprStandar VALUES ('围护结构', '混凝土', '4.5.3-9',
  '混凝土围护墙中部出现宽度大于0.4mm的交叉裂缝。');
INSERT INTO ApprStandar VALUES ('围护结构', '混凝土', '4.5.3-10',
  '混凝土围护墙倾斜率大于1%，或侧向位移大于高度的1/500。');
INSERT INTO ApprStandar VALUES ('围护结构', '混凝土', '4.5.3-11',
  '墙、板混凝土酥裂、碳化、起鼓，损坏面大于截面的1/3，钢筋外露且严重锈蚀。');

INSERT INTO ApprStandar VALUES ('围护结构', '木结构', '4.4.3-2',
  '木隔墙、木板墙的连接松脱，节点失去作用。');
INSERT INTO ApprStandar VALUES ('围护结构', '木结构', '4.4.3-6',
  '木骨架立柱侧弯矢高大于高度的1/150，或柱脚腐朽面积大于原截面的1/5。');
INSERT INTO ApprStandar VALUES ('围护结构', '木结构', '4.4.3-8',
  '木围护构件心腐或严重虫蛀。');

INSERT INTO ApprStandar VALUES ('围护结构', '钢结构', '4.6.3-2',
  '墙架、檩条的连接焊缝开裂，螺栓松动或脱落。');
INSERT INTO ApprStandar VALUES ('围护结构', '钢结构', '4.6.3-4',
  '墙架、檩条锈蚀，截面削弱大于原截面的10%。');
INSERT INTO ApprStandar VALUES ('围护结构', '钢结构', '4.6.3-5',
  '墙梁、檩条挠度大于跨度的1/250，或大于45mm。');

INSERT INTO ApprStandar VALUES ('围护结构', '简易结构', '4.7.3-7',
  '石棉瓦、铁皮等屋面或墙面板材大面积破损、锈穿，固定件松脱，有被风掀落的危险。');
INSERT INTO ApprStandar VALUES ('围护结构', '简易结构', '4.7.3-8',
  '支承围护板材的骨架腐朽、锈蚀或明显歪闪。');
INSERT INTO ApprStandar VALUES ('围护结构', '简易结构', '4.7.3-9',
  '搭建的围护物与主体结构的连接脱开，局部悬挑或外倾。');
