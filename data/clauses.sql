-- Clause library Resource/ApprStandar.mdb.
--
-- The clause picker of the component table lists the rows whose Part equals
-- the row's constituent part and whose Struct equals the row's component
-- structure, in the order below, and copies No into the row's clause cell
-- (20 characters at most). Every part and structure that the choice list
-- offers has its clauses here, so that no combination leaves the picker empty.
--
-- Tables graded by the parts of the house (JGJ 125-99) come first; tables
-- graded by levels (JGJ 125-2016) have their own section at the end.
--
-- Numbers follow the sections of JGJ 125-99 on the danger of single
-- components: 4.2 foundation soil and foundations, 4.3 masonry, 4.4 timber,
-- 4.5 concrete, 4.6 steel; "-n" is the item. The standard has no section on
-- makeshift structures: their clauses, numbered 4.7.3-n, are this library's
-- own and follow the same way of judging.
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

-- JGJ 125-2016 ---------------------------------------------------------------
--
-- A table graded by levels holds the level in its first cell and the kind of
-- component in its second; its clauses are found by kind and structure:
-- Part holds the kind (基础 for every row on the level 基础, whose clauses
-- stand under the structure 基础 and under each material), Struct the
-- structure. Numbers are clause-item of the standard's sections on single
-- components: 5.2.3 foundation components, 5.3.3 masonry, 5.4.3 concrete,
-- 5.5.3 timber, 5.6.3 steel; the load-bearing members of the envelope
-- (围护构件) are judged by the section of their structure. Each kind lists
-- the items that speak of it. Only items whose number and limits could be
-- checked against the published text are here: 5.3.3-6, 5.4.3-8 and
-- 5.4.3-12 (tilt limits) are left out. The standard has no section on
-- makeshift structures (简易结构), so they have no clauses by levels.

-- Foundation components (the level 基础), clause 5.2.3 -----------------------

INSERT INTO ApprStandar VALUES ('基础', '基础', '5.2.3-1',
  '基础构件的承载能力与其作用效应之比R/(γ0·S)小于0.90。');
INSERT INTO ApprStandar VALUES ('基础', '基础', '5.2.3-2',
  '基础老化、腐蚀、酥碎或折断，致使上部结构明显倾斜、位移、开裂或扭曲；或基础与上部承重构件连接处出现水平、竖向或阶梯形裂缝，最大缝宽大于10mm。');
INSERT INTO ApprStandar VALUES ('基础', '基础', '5.2.3-3',
  '基础已滑动，水平位移速度连续两个月大于每月2mm，且短期内无收敛趋势。');

INSERT INTO ApprStandar VALUES ('基础', '砌体', '5.2.3-1',
  '基础构件的承载能力与其作用效应之比R/(γ0·S)小于0.90。');
INSERT INTO ApprStandar VALUES ('基础', '砌体', '5.2.3-2',
  '基础老化、腐蚀、酥碎或折断，致使上部结构明显倾斜、位移、开裂或扭曲；或基础与上部承重构件连接处出现水平、竖向或阶梯形裂缝，最大缝宽大于10mm。');
INSERT INTO ApprStandar VALUES ('基础', '砌体', '5.2.3-3',
  '基础已滑动，水平位移速度连续两个月大于每月2mm，且短期内无收敛趋势。');

INSERT INTO ApprStandar VALUES ('基础', '混凝土', '5.2.3-1',
  '基础构件的承载能力与其作用效应之比R/(γ0·S)小于0.90。');
INSERT INTO ApprStandar VALUES ('基础', '混凝土', '5.2.3-2',
  '基础老化、腐蚀、酥碎或折断，致使上部结构明显倾斜、位移、开裂或扭曲；或基础与上部承重构件连接处出现水平、竖向或阶梯形裂缝，最大缝宽大于10mm。');
INSERT INTO ApprStandar VALUES ('基础', '混凝土', '5.2.3-3',
  '基础已滑动，水平位移速度连续两个月大于每月2mm，且短期内无收敛趋势。');

INSERT INTO ApprStandar VALUES ('基础', '木结构', '5.2.3-1',
  '基础构件的承载能力与其作用效应之比R/(γ0·S)小于0.90。');
INSERT INTO ApprStandar VALUES ('基础', '木结构', '5.2.3-2',
  '基础老化、腐蚀、酥碎或折断，致使上部结构明显倾斜、位移、开裂或扭曲；或基础与上部承重构件连接处出现水平、竖向或阶梯形裂缝，最大缝宽大于10mm。');
INSERT INTO ApprStandar VALUES ('基础', '木结构', '5.2.3-3',
  '基础已滑动，水平位移速度连续两个月大于每月2mm，且短期内无收敛趋势。');

INSERT INTO ApprStandar VALUES ('基础', '钢结构', '5.2.3-1',
  '基础构件的承载能力与其作用效应之比R/(γ0·S)小于0.90。');
INSERT INTO ApprStandar VALUES ('基础', '钢结构', '5.2.3-2',
  '基础老化、腐蚀、酥碎或折断，致使上部结构明显倾斜、位移、开裂或扭曲；或基础与上部承重构件连接处出现水平、竖向或阶梯形裂缝，最大缝宽大于10mm。');
INSERT INTO ApprStandar VALUES ('基础', '钢结构', '5.2.3-3',
  '基础已滑动，水平位移速度连续两个月大于每月2mm，且短期内无收敛趋势。');

-- Masonry components, clause 5.3.3 ------------------------------------------

INSERT INTO ApprStandar VALUES ('中柱', '砌体', '5.3.3-1',
  '砌体构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('中柱', '砌体', '5.3.3-2',
  '承重墙或柱受压出现竖向裂缝，缝宽大于1.0mm且缝长超过层高的1/2；或出现缝长超过层高1/3的多条竖向裂缝。');
INSERT INTO ApprStandar VALUES ('中柱', '砌体', '5.3.3-3',
  '承重墙或柱表面风化、剥落或砂浆粉化，有效截面削弱达15%以上。');
INSERT INTO ApprStandar VALUES ('中柱', '砌体', '5.3.3-4',
  '支承梁或屋架端部的墙体或柱截面因局部受压出现多条竖向裂缝，或裂缝宽度已超过1.0mm。');
INSERT INTO ApprStandar VALUES ('中柱', '砌体', '5.3.3-5',
  '墙或柱因偏心受压出现水平裂缝。');
INSERT INTO ApprStandar VALUES ('中柱', '砌体', '5.3.3-7',
  '墙或柱因刚度不足出现挠曲鼓闪等侧弯变形，侧弯矢高大于h/150，或挠曲部位出现水平或交叉裂缝。');

INSERT INTO ApprStandar VALUES ('边柱', '砌体', '5.3.3-1',
  '砌体构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('边柱', '砌体', '5.3.3-2',
  '承重墙或柱受压出现竖向裂缝，缝宽大于1.0mm且缝长超过层高的1/2；或出现缝长超过层高1/3的多条竖向裂缝。');
INSERT INTO ApprStandar VALUES ('边柱', '砌体', '5.3.3-3',
  '承重墙或柱表面风化、剥落或砂浆粉化，有效截面削弱达15%以上。');
INSERT INTO ApprStandar VALUES ('边柱', '砌体', '5.3.3-4',
  '支承梁或屋架端部的墙体或柱截面因局部受压出现多条竖向裂缝，或裂缝宽度已超过1.0mm。');
INSERT INTO ApprStandar VALUES ('边柱', '砌体', '5.3.3-5',
  '墙或柱因偏心受压出现水平裂缝。');
INSERT INTO ApprStandar VALUES ('边柱', '砌体', '5.3.3-7',
  '墙或柱因刚度不足出现挠曲鼓闪等侧弯变形，侧弯矢高大于h/150，或挠曲部位出现水平或交叉裂缝。');

INSERT INTO ApprStandar VALUES ('角柱', '砌体', '5.3.3-1',
  '砌体构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('角柱', '砌体', '5.3.3-2',
  '承重墙或柱受压出现竖向裂缝，缝宽大于1.0mm且缝长超过层高的1/2；或出现缝长超过层高1/3的多条竖向裂缝。');
INSERT INTO ApprStandar VALUES ('角柱', '砌体', '5.3.3-3',
  '承重墙或柱表面风化、剥落或砂浆粉化，有效截面削弱达15%以上。');
INSERT INTO ApprStandar VALUES ('角柱', '砌体', '5.3.3-4',
  '支承梁或屋架端部的墙体或柱截面因局部受压出现多条竖向裂缝，或裂缝宽度已超过1.0mm。');
INSERT INTO ApprStandar VALUES ('角柱', '砌体', '5.3.3-5',
  '墙或柱因偏心受压出现水平裂缝。');
INSERT INTO ApprStandar VALUES ('角柱', '砌体', '5.3.3-7',
  '墙或柱因刚度不足出现挠曲鼓闪等侧弯变形，侧弯矢高大于h/150，或挠曲部位出现水平或交叉裂缝。');

INSERT INTO ApprStandar VALUES ('墙体', '砌体', '5.3.3-1',
  '砌体构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('墙体', '砌体', '5.3.3-2',
  '承重墙或柱受压出现竖向裂缝，缝宽大于1.0mm且缝长超过层高的1/2；或出现缝长超过层高1/3的多条竖向裂缝。');
INSERT INTO ApprStandar VALUES ('墙体', '砌体', '5.3.3-3',
  '承重墙或柱表面风化、剥落或砂浆粉化，有效截面削弱达15%以上。');
INSERT INTO ApprStandar VALUES ('墙体', '砌体', '5.3.3-4',
  '支承梁或屋架端部的墙体或柱截面因局部受压出现多条竖向裂缝，或裂缝宽度已超过1.0mm。');
INSERT INTO ApprStandar VALUES ('墙体', '砌体', '5.3.3-5',
  '墙或柱因偏心受压出现水平裂缝。');
INSERT INTO ApprStandar VALUES ('墙体', '砌体', '5.3.3-7',
  '墙或柱因刚度不足出现挠曲鼓闪等侧弯变形，侧弯矢高大于h/150，或挠曲部位出现水平或交叉裂缝。');
INSERT INTO ApprStandar VALUES ('墙体', '砌体', '5.3.3-8',
  '砖过梁中部出现明显竖向裂缝或端部出现明显斜裂缝，或明显弯曲、下挠，或支承过梁的墙体出现受力裂缝。');
INSERT INTO ApprStandar VALUES ('墙体', '砌体', '5.3.3-10',
  '墙体高厚比超过《砌体结构设计规范》GB 50003允许高厚比的1.2倍。');

INSERT INTO ApprStandar VALUES ('楼屋面板', '砌体', '5.3.3-1',
  '砌体构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '砌体', '5.3.3-9',
  '砖筒拱、扁壳或波形筒拱的拱顶沿母线开裂，或拱曲面明显变形，或拱脚明显位移，或拱体拉杆严重锈蚀、拉杆体系失效。');

INSERT INTO ApprStandar VALUES ('围护构件', '砌体', '5.3.3-1',
  '砌体构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('围护构件', '砌体', '5.3.3-2',
  '承重墙或柱受压出现竖向裂缝，缝宽大于1.0mm且缝长超过层高的1/2；或出现缝长超过层高1/3的多条竖向裂缝。');
INSERT INTO ApprStandar VALUES ('围护构件', '砌体', '5.3.3-3',
  '承重墙或柱表面风化、剥落或砂浆粉化，有效截面削弱达15%以上。');
INSERT INTO ApprStandar VALUES ('围护构件', '砌体', '5.3.3-5',
  '墙或柱因偏心受压出现水平裂缝。');
INSERT INTO ApprStandar VALUES ('围护构件', '砌体', '5.3.3-7',
  '墙或柱因刚度不足出现挠曲鼓闪等侧弯变形，侧弯矢高大于h/150，或挠曲部位出现水平或交叉裂缝。');
INSERT INTO ApprStandar VALUES ('围护构件', '砌体', '5.3.3-8',
  '砖过梁中部出现明显竖向裂缝或端部出现明显斜裂缝，或明显弯曲、下挠，或支承过梁的墙体出现受力裂缝。');
INSERT INTO ApprStandar VALUES ('围护构件', '砌体', '5.3.3-10',
  '墙体高厚比超过《砌体结构设计规范》GB 50003允许高厚比的1.2倍。');

-- Concrete components, clause 5.4.3 -----------------------------------------

INSERT INTO ApprStandar VALUES ('中柱', '混凝土', '5.4.3-1',
  '混凝土构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('中柱', '混凝土', '5.4.3-7',
  '压弯构件保护层剥落、主筋多处外露锈蚀，端节点连接松动并伴有明显裂缝；柱受压出现竖向裂缝、保护层剥落、主筋外露锈蚀；或柱一侧出现缝宽大于1.0mm的水平裂缝，另一侧混凝土压碎、主筋外露锈蚀。');
INSERT INTO ApprStandar VALUES ('中柱', '混凝土', '5.4.3-9',
  '构件混凝土有效截面削弱达15%以上，或受力主筋截断超过10%；或柱、墙因主筋锈蚀致保护层严重脱落，或受压区混凝土有压碎迹象。');

INSERT INTO ApprStandar VALUES ('边柱', '混凝土', '5.4.3-1',
  '混凝土构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('边柱', '混凝土', '5.4.3-7',
  '压弯构件保护层剥落、主筋多处外露锈蚀，端节点连接松动并伴有明显裂缝；柱受压出现竖向裂缝、保护层剥落、主筋外露锈蚀；或柱一侧出现缝宽大于1.0mm的水平裂缝，另一侧混凝土压碎、主筋外露锈蚀。');
INSERT INTO ApprStandar VALUES ('边柱', '混凝土', '5.4.3-9',
  '构件混凝土有效截面削弱达15%以上，或受力主筋截断超过10%；或柱、墙因主筋锈蚀致保护层严重脱落，或受压区混凝土有压碎迹象。');

INSERT INTO ApprStandar VALUES ('角柱', '混凝土', '5.4.3-1',
  '混凝土构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('角柱', '混凝土', '5.4.3-7',
  '压弯构件保护层剥落、主筋多处外露锈蚀，端节点连接松动并伴有明显裂缝；柱受压出现竖向裂缝、保护层剥落、主筋外露锈蚀；或柱一侧出现缝宽大于1.0mm的水平裂缝，另一侧混凝土压碎、主筋外露锈蚀。');
INSERT INTO ApprStandar VALUES ('角柱', '混凝土', '5.4.3-9',
  '构件混凝土有效截面削弱达15%以上，或受力主筋截断超过10%；或柱、墙因主筋锈蚀致保护层严重脱落，或受压区混凝土有压碎迹象。');

INSERT INTO ApprStandar VALUES ('墙体', '混凝土', '5.4.3-1',
  '混凝土构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('墙体', '混凝土', '5.4.3-9',
  '构件混凝土有效截面削弱达15%以上，或受力主筋截断超过10%；或柱、墙因主筋锈蚀致保护层严重脱落，或受压区混凝土有压碎迹象。');
INSERT INTO ApprStandar VALUES ('墙体', '混凝土', '5.4.3-10',
  '钢筋混凝土墙中部出现斜裂缝。');

INSERT INTO ApprStandar VALUES ('屋架', '混凝土', '5.4.3-1',
  '混凝土构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('屋架', '混凝土', '5.4.3-9',
  '构件混凝土有效截面削弱达15%以上，或受力主筋截断超过10%；或柱、墙因主筋锈蚀致保护层严重脱落，或受压区混凝土有压碎迹象。');
INSERT INTO ApprStandar VALUES ('屋架', '混凝土', '5.4.3-11',
  '屋架挠度大于l0/200，且下弦出现缝宽大于1.0mm的横断裂缝。');

INSERT INTO ApprStandar VALUES ('中梁', '混凝土', '5.4.3-1',
  '混凝土构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('中梁', '混凝土', '5.4.3-2',
  '梁、板挠度超过l0/150且受拉区裂缝宽度大于1.0mm；或梁、板受力主筋处出现横向水平裂缝或斜裂缝，缝宽大于0.5mm；或板出现宽度大于1.0mm的受拉裂缝。');
INSERT INTO ApprStandar VALUES ('中梁', '混凝土', '5.4.3-3',
  '简支梁、连续梁跨中或中间支座受拉区出现竖向裂缝，一侧向上或向下延伸达梁高的2/3以上且缝宽大于1.0mm；或支座附近出现剪切斜裂缝。');
INSERT INTO ApprStandar VALUES ('中梁', '混凝土', '5.4.3-4',
  '梁、板主筋的钢筋截面锈损率超过15%，或混凝土保护层因钢筋锈蚀严重脱落、露筋。');
INSERT INTO ApprStandar VALUES ('中梁', '混凝土', '5.4.3-5',
  '预应力梁、板出现竖向通长裂缝，或端部混凝土松散露筋；或预制板底部出现横向断裂缝或明显下挠变形。');
INSERT INTO ApprStandar VALUES ('中梁', '混凝土', '5.4.3-9',
  '构件混凝土有效截面削弱达15%以上，或受力主筋截断超过10%；或柱、墙因主筋锈蚀致保护层严重脱落，或受压区混凝土有压碎迹象。');
INSERT INTO ApprStandar VALUES ('中梁', '混凝土', '5.4.3-13',
  '梁、板的有效搁置长度小于国家现行相关标准规定值的70%。');

INSERT INTO ApprStandar VALUES ('边梁', '混凝土', '5.4.3-1',
  '混凝土构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('边梁', '混凝土', '5.4.3-2',
  '梁、板挠度超过l0/150且受拉区裂缝宽度大于1.0mm；或梁、板受力主筋处出现横向水平裂缝或斜裂缝，缝宽大于0.5mm；或板出现宽度大于1.0mm的受拉裂缝。');
INSERT INTO ApprStandar VALUES ('边梁', '混凝土', '5.4.3-3',
  '简支梁、连续梁跨中或中间支座受拉区出现竖向裂缝，一侧向上或向下延伸达梁高的2/3以上且缝宽大于1.0mm；或支座附近出现剪切斜裂缝。');
INSERT INTO ApprStandar VALUES ('边梁', '混凝土', '5.4.3-4',
  '梁、板主筋的钢筋截面锈损率超过15%，或混凝土保护层因钢筋锈蚀严重脱落、露筋。');
INSERT INTO ApprStandar VALUES ('边梁', '混凝土', '5.4.3-5',
  '预应力梁、板出现竖向通长裂缝，或端部混凝土松散露筋；或预制板底部出现横向断裂缝或明显下挠变形。');
INSERT INTO ApprStandar VALUES ('边梁', '混凝土', '5.4.3-9',
  '构件混凝土有效截面削弱达15%以上，或受力主筋截断超过10%；或柱、墙因主筋锈蚀致保护层严重脱落，或受压区混凝土有压碎迹象。');
INSERT INTO ApprStandar VALUES ('边梁', '混凝土', '5.4.3-13',
  '梁、板的有效搁置长度小于国家现行相关标准规定值的70%。');

INSERT INTO ApprStandar VALUES ('次梁', '混凝土', '5.4.3-1',
  '混凝土构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('次梁', '混凝土', '5.4.3-2',
  '梁、板挠度超过l0/150且受拉区裂缝宽度大于1.0mm；或梁、板受力主筋处出现横向水平裂缝或斜裂缝，缝宽大于0.5mm；或板出现宽度大于1.0mm的受拉裂缝。');
INSERT INTO ApprStandar VALUES ('次梁', '混凝土', '5.4.3-3',
  '简支梁、连续梁跨中或中间支座受拉区出现竖向裂缝，一侧向上或向下延伸达梁高的2/3以上且缝宽大于1.0mm；或支座附近出现剪切斜裂缝。');
INSERT INTO ApprStandar VALUES ('次梁', '混凝土', '5.4.3-4',
  '梁、板主筋的钢筋截面锈损率超过15%，或混凝土保护层因钢筋锈蚀严重脱落、露筋。');
INSERT INTO ApprStandar VALUES ('次梁', '混凝土', '5.4.3-5',
  '预应力梁、板出现竖向通长裂缝，或端部混凝土松散露筋；或预制板底部出现横向断裂缝或明显下挠变形。');
INSERT INTO ApprStandar VALUES ('次梁', '混凝土', '5.4.3-9',
  '构件混凝土有效截面削弱达15%以上，或受力主筋截断超过10%；或柱、墙因主筋锈蚀致保护层严重脱落，或受压区混凝土有压碎迹象。');
INSERT INTO ApprStandar VALUES ('次梁', '混凝土', '5.4.3-13',
  '梁、板的有效搁置长度小于国家现行相关标准规定值的70%。');

INSERT INTO ApprStandar VALUES ('楼屋面板', '混凝土', '5.4.3-1',
  '混凝土构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '混凝土', '5.4.3-2',
  '梁、板挠度超过l0/150且受拉区裂缝宽度大于1.0mm；或梁、板受力主筋处出现横向水平裂缝或斜裂缝，缝宽大于0.5mm；或板出现宽度大于1.0mm的受拉裂缝。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '混凝土', '5.4.3-4',
  '梁、板主筋的钢筋截面锈损率超过15%，或混凝土保护层因钢筋锈蚀严重脱落、露筋。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '混凝土', '5.4.3-5',
  '预应力梁、板出现竖向通长裂缝，或端部混凝土松散露筋；或预制板底部出现横向断裂缝或明显下挠变形。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '混凝土', '5.4.3-6',
  '现浇板板面周边出现裂缝，或板底出现交叉裂缝。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '混凝土', '5.4.3-9',
  '构件混凝土有效截面削弱达15%以上，或受力主筋截断超过10%；或柱、墙因主筋锈蚀致保护层严重脱落，或受压区混凝土有压碎迹象。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '混凝土', '5.4.3-13',
  '梁、板的有效搁置长度小于国家现行相关标准规定值的70%。');

INSERT INTO ApprStandar VALUES ('围护构件', '混凝土', '5.4.3-1',
  '混凝土构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('围护构件', '混凝土', '5.4.3-2',
  '梁、板挠度超过l0/150且受拉区裂缝宽度大于1.0mm；或梁、板受力主筋处出现横向水平裂缝或斜裂缝，缝宽大于0.5mm；或板出现宽度大于1.0mm的受拉裂缝。');
INSERT INTO ApprStandar VALUES ('围护构件', '混凝土', '5.4.3-4',
  '梁、板主筋的钢筋截面锈损率超过15%，或混凝土保护层因钢筋锈蚀严重脱落、露筋。');
INSERT INTO ApprStandar VALUES ('围护构件', '混凝土', '5.4.3-9',
  '构件混凝土有效截面削弱达15%以上，或受力主筋截断超过10%；或柱、墙因主筋锈蚀致保护层严重脱落，或受压区混凝土有压碎迹象。');
INSERT INTO ApprStandar VALUES ('围护构件', '混凝土', '5.4.3-14',
  '悬挑构件受拉区的裂缝宽度大于0.5mm。');

-- Timber components, clause 5.5.3 -------------------------------------------

INSERT INTO ApprStandar VALUES ('中柱', '木结构', '5.5.3-1',
  '木构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('中柱', '木结构', '5.5.3-2',
  '连接方式不当、构造有严重缺陷，已致节点松动变形、滑移、沿剪切面开裂或剪坏，或铁件严重锈蚀、松动使连接失效。');
INSERT INTO ApprStandar VALUES ('中柱', '木结构', '5.5.3-6',
  '木柱侧弯矢高大于h/150，或柱顶劈裂、柱身断裂，或柱脚腐朽等受损面积大于原截面的20%。');
INSERT INTO ApprStandar VALUES ('中柱', '木结构', '5.5.3-7',
  '受拉、受弯、偏心受压和轴心受压构件的斜纹理或斜裂缝，斜率分别大于7%、10%、15%和20%。');
INSERT INTO ApprStandar VALUES ('中柱', '木结构', '5.5.3-8',
  '木构件存在心腐缺陷。');
INSERT INTO ApprStandar VALUES ('中柱', '木结构', '5.5.3-9',
  '受压或受弯木构件的干缩裂缝深度超过构件直径的1/2，且裂缝长度超过构件长度的2/3。');

INSERT INTO ApprStandar VALUES ('边柱', '木结构', '5.5.3-1',
  '木构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('边柱', '木结构', '5.5.3-2',
  '连接方式不当、构造有严重缺陷，已致节点松动变形、滑移、沿剪切面开裂或剪坏，或铁件严重锈蚀、松动使连接失效。');
INSERT INTO ApprStandar VALUES ('边柱', '木结构', '5.5.3-6',
  '木柱侧弯矢高大于h/150，或柱顶劈裂、柱身断裂，或柱脚腐朽等受损面积大于原截面的20%。');
INSERT INTO ApprStandar VALUES ('边柱', '木结构', '5.5.3-7',
  '受拉、受弯、偏心受压和轴心受压构件的斜纹理或斜裂缝，斜率分别大于7%、10%、15%和20%。');
INSERT INTO ApprStandar VALUES ('边柱', '木结构', '5.5.3-8',
  '木构件存在心腐缺陷。');
INSERT INTO ApprStandar VALUES ('边柱', '木结构', '5.5.3-9',
  '受压或受弯木构件的干缩裂缝深度超过构件直径的1/2，且裂缝长度超过构件长度的2/3。');

INSERT INTO ApprStandar VALUES ('角柱', '木结构', '5.5.3-1',
  '木构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('角柱', '木结构', '5.5.3-2',
  '连接方式不当、构造有严重缺陷，已致节点松动变形、滑移、沿剪切面开裂或剪坏，或铁件严重锈蚀、松动使连接失效。');
INSERT INTO ApprStandar VALUES ('角柱', '木结构', '5.5.3-6',
  '木柱侧弯矢高大于h/150，或柱顶劈裂、柱身断裂，或柱脚腐朽等受损面积大于原截面的20%。');
INSERT INTO ApprStandar VALUES ('角柱', '木结构', '5.5.3-7',
  '受拉、受弯、偏心受压和轴心受压构件的斜纹理或斜裂缝，斜率分别大于7%、10%、15%和20%。');
INSERT INTO ApprStandar VALUES ('角柱', '木结构', '5.5.3-8',
  '木构件存在心腐缺陷。');
INSERT INTO ApprStandar VALUES ('角柱', '木结构', '5.5.3-9',
  '受压或受弯木构件的干缩裂缝深度超过构件直径的1/2，且裂缝长度超过构件长度的2/3。');

INSERT INTO ApprStandar VALUES ('墙体', '木结构', '5.5.3-1',
  '木构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('墙体', '木结构', '5.5.3-2',
  '连接方式不当、构造有严重缺陷，已致节点松动变形、滑移、沿剪切面开裂或剪坏，或铁件严重锈蚀、松动使连接失效。');
INSERT INTO ApprStandar VALUES ('墙体', '木结构', '5.5.3-8',
  '木构件存在心腐缺陷。');

INSERT INTO ApprStandar VALUES ('屋架', '木结构', '5.5.3-1',
  '木构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('屋架', '木结构', '5.5.3-2',
  '连接方式不当、构造有严重缺陷，已致节点松动变形、滑移、沿剪切面开裂或剪坏，或铁件严重锈蚀、松动使连接失效。');
INSERT INTO ApprStandar VALUES ('屋架', '木结构', '5.5.3-4',
  '屋架挠度大于l0/120，或平面外倾斜量超过屋架高度的1/120，或顶部、端部节点腐朽或劈裂。');
INSERT INTO ApprStandar VALUES ('屋架', '木结构', '5.5.3-7',
  '受拉、受弯、偏心受压和轴心受压构件的斜纹理或斜裂缝，斜率分别大于7%、10%、15%和20%。');
INSERT INTO ApprStandar VALUES ('屋架', '木结构', '5.5.3-8',
  '木构件存在心腐缺陷。');
INSERT INTO ApprStandar VALUES ('屋架', '木结构', '5.5.3-9',
  '受压或受弯木构件的干缩裂缝深度超过构件直径的1/2，且裂缝长度超过构件长度的2/3。');

INSERT INTO ApprStandar VALUES ('中梁', '木结构', '5.5.3-1',
  '木构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('中梁', '木结构', '5.5.3-2',
  '连接方式不当、构造有严重缺陷，已致节点松动变形、滑移、沿剪切面开裂或剪坏，或铁件严重锈蚀、松动使连接失效。');
INSERT INTO ApprStandar VALUES ('中梁', '木结构', '5.5.3-3',
  '主梁挠度大于l0/150，或受拉区伴有较严重的材质缺陷。');
INSERT INTO ApprStandar VALUES ('中梁', '木结构', '5.5.3-7',
  '受拉、受弯、偏心受压和轴心受压构件的斜纹理或斜裂缝，斜率分别大于7%、10%、15%和20%。');
INSERT INTO ApprStandar VALUES ('中梁', '木结构', '5.5.3-8',
  '木构件存在心腐缺陷。');
INSERT INTO ApprStandar VALUES ('中梁', '木结构', '5.5.3-9',
  '受压或受弯木构件的干缩裂缝深度超过构件直径的1/2，且裂缝长度超过构件长度的2/3。');

INSERT INTO ApprStandar VALUES ('边梁', '木结构', '5.5.3-1',
  '木构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('边梁', '木结构', '5.5.3-2',
  '连接方式不当、构造有严重缺陷，已致节点松动变形、滑移、沿剪切面开裂或剪坏，或铁件严重锈蚀、松动使连接失效。');
INSERT INTO ApprStandar VALUES ('边梁', '木结构', '5.5.3-3',
  '主梁挠度大于l0/150，或受拉区伴有较严重的材质缺陷。');
INSERT INTO ApprStandar VALUES ('边梁', '木结构', '5.5.3-7',
  '受拉、受弯、偏心受压和轴心受压构件的斜纹理或斜裂缝，斜率分别大于7%、10%、15%和20%。');
INSERT INTO ApprStandar VALUES ('边梁', '木结构', '5.5.3-8',
  '木构件存在心腐缺陷。');
INSERT INTO ApprStandar VALUES ('边梁', '木结构', '5.5.3-9',
  '受压或受弯木构件的干缩裂缝深度超过构件直径的1/2，且裂缝长度超过构件长度的2/3。');

INSERT INTO ApprStandar VALUES ('次梁', '木结构', '5.5.3-1',
  '木构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('次梁', '木结构', '5.5.3-2',
  '连接方式不当、构造有严重缺陷，已致节点松动变形、滑移、沿剪切面开裂或剪坏，或铁件严重锈蚀、松动使连接失效。');
INSERT INTO ApprStandar VALUES ('次梁', '木结构', '5.5.3-5',
  '檩条、搁栅挠度大于l0/100，或入墙木质部位腐朽、虫蛀。');
INSERT INTO ApprStandar VALUES ('次梁', '木结构', '5.5.3-7',
  '受拉、受弯、偏心受压和轴心受压构件的斜纹理或斜裂缝，斜率分别大于7%、10%、15%和20%。');
INSERT INTO ApprStandar VALUES ('次梁', '木结构', '5.5.3-8',
  '木构件存在心腐缺陷。');
INSERT INTO ApprStandar VALUES ('次梁', '木结构', '5.5.3-9',
  '受压或受弯木构件的干缩裂缝深度超过构件直径的1/2，且裂缝长度超过构件长度的2/3。');

INSERT INTO ApprStandar VALUES ('楼屋面板', '木结构', '5.5.3-1',
  '木构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '木结构', '5.5.3-2',
  '连接方式不当、构造有严重缺陷，已致节点松动变形、滑移、沿剪切面开裂或剪坏，或铁件严重锈蚀、松动使连接失效。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '木结构', '5.5.3-8',
  '木构件存在心腐缺陷。');

INSERT INTO ApprStandar VALUES ('围护构件', '木结构', '5.5.3-1',
  '木构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('围护构件', '木结构', '5.5.3-2',
  '连接方式不当、构造有严重缺陷，已致节点松动变形、滑移、沿剪切面开裂或剪坏，或铁件严重锈蚀、松动使连接失效。');
INSERT INTO ApprStandar VALUES ('围护构件', '木结构', '5.5.3-8',
  '木构件存在心腐缺陷。');

-- Steel components, clause 5.6.3 --------------------------------------------

INSERT INTO ApprStandar VALUES ('中柱', '钢结构', '5.6.3-1',
  '钢构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('中柱', '钢结构', '5.6.3-2',
  '构件或连接件有裂缝或锐角切口；焊缝、螺栓或铆接拉开、变形、滑移、松动或剪坏。');
INSERT INTO ApprStandar VALUES ('中柱', '钢结构', '5.6.3-3',
  '连接方式不当，构造有严重缺陷。');
INSERT INTO ApprStandar VALUES ('中柱', '钢结构', '5.6.3-4',
  '受力构件因锈蚀致截面锈损量大于原截面的10%。');
INSERT INTO ApprStandar VALUES ('中柱', '钢结构', '5.6.3-7',
  '受压构件的长细比大于《钢结构设计规范》GB 50017规定值的1.2倍。');
INSERT INTO ApprStandar VALUES ('中柱', '钢结构', '5.6.3-8',
  '钢柱顶位移平面内大于h/150、平面外大于h/500，或大于40mm。');

INSERT INTO ApprStandar VALUES ('边柱', '钢结构', '5.6.3-1',
  '钢构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('边柱', '钢结构', '5.6.3-2',
  '构件或连接件有裂缝或锐角切口；焊缝、螺栓或铆接拉开、变形、滑移、松动或剪坏。');
INSERT INTO ApprStandar VALUES ('边柱', '钢结构', '5.6.3-3',
  '连接方式不当，构造有严重缺陷。');
INSERT INTO ApprStandar VALUES ('边柱', '钢结构', '5.6.3-4',
  '受力构件因锈蚀致截面锈损量大于原截面的10%。');
INSERT INTO ApprStandar VALUES ('边柱', '钢结构', '5.6.3-7',
  '受压构件的长细比大于《钢结构设计规范》GB 50017规定值的1.2倍。');
INSERT INTO ApprStandar VALUES ('边柱', '钢结构', '5.6.3-8',
  '钢柱顶位移平面内大于h/150、平面外大于h/500，或大于40mm。');

INSERT INTO ApprStandar VALUES ('角柱', '钢结构', '5.6.3-1',
  '钢构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('角柱', '钢结构', '5.6.3-2',
  '构件或连接件有裂缝或锐角切口；焊缝、螺栓或铆接拉开、变形、滑移、松动或剪坏。');
INSERT INTO ApprStandar VALUES ('角柱', '钢结构', '5.6.3-3',
  '连接方式不当，构造有严重缺陷。');
INSERT INTO ApprStandar VALUES ('角柱', '钢结构', '5.6.3-4',
  '受力构件因锈蚀致截面锈损量大于原截面的10%。');
INSERT INTO ApprStandar VALUES ('角柱', '钢结构', '5.6.3-7',
  '受压构件的长细比大于《钢结构设计规范》GB 50017规定值的1.2倍。');
INSERT INTO ApprStandar VALUES ('角柱', '钢结构', '5.6.3-8',
  '钢柱顶位移平面内大于h/150、平面外大于h/500，或大于40mm。');

INSERT INTO ApprStandar VALUES ('屋架', '钢结构', '5.6.3-1',
  '钢构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('屋架', '钢结构', '5.6.3-2',
  '构件或连接件有裂缝或锐角切口；焊缝、螺栓或铆接拉开、变形、滑移、松动或剪坏。');
INSERT INTO ApprStandar VALUES ('屋架', '钢结构', '5.6.3-3',
  '连接方式不当，构造有严重缺陷。');
INSERT INTO ApprStandar VALUES ('屋架', '钢结构', '5.6.3-4',
  '受力构件因锈蚀致截面锈损量大于原截面的10%。');
INSERT INTO ApprStandar VALUES ('屋架', '钢结构', '5.6.3-7',
  '受压构件的长细比大于《钢结构设计规范》GB 50017规定值的1.2倍。');
INSERT INTO ApprStandar VALUES ('屋架', '钢结构', '5.6.3-9',
  '屋架挠度大于l0/250或大于40mm；或屋架支撑系统松动失稳，致屋架倾斜量超过h/150。');

INSERT INTO ApprStandar VALUES ('中梁', '钢结构', '5.6.3-1',
  '钢构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('中梁', '钢结构', '5.6.3-2',
  '构件或连接件有裂缝或锐角切口；焊缝、螺栓或铆接拉开、变形、滑移、松动或剪坏。');
INSERT INTO ApprStandar VALUES ('中梁', '钢结构', '5.6.3-3',
  '连接方式不当，构造有严重缺陷。');
INSERT INTO ApprStandar VALUES ('中梁', '钢结构', '5.6.3-4',
  '受力构件因锈蚀致截面锈损量大于原截面的10%。');
INSERT INTO ApprStandar VALUES ('中梁', '钢结构', '5.6.3-5',
  '梁、板等构件挠度大于l0/250，或大于45mm。');
INSERT INTO ApprStandar VALUES ('中梁', '钢结构', '5.6.3-6',
  '实腹梁侧弯矢高大于l0/600，且有发展迹象。');

INSERT INTO ApprStandar VALUES ('边梁', '钢结构', '5.6.3-1',
  '钢构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('边梁', '钢结构', '5.6.3-2',
  '构件或连接件有裂缝或锐角切口；焊缝、螺栓或铆接拉开、变形、滑移、松动或剪坏。');
INSERT INTO ApprStandar VALUES ('边梁', '钢结构', '5.6.3-3',
  '连接方式不当，构造有严重缺陷。');
INSERT INTO ApprStandar VALUES ('边梁', '钢结构', '5.6.3-4',
  '受力构件因锈蚀致截面锈损量大于原截面的10%。');
INSERT INTO ApprStandar VALUES ('边梁', '钢结构', '5.6.3-5',
  '梁、板等构件挠度大于l0/250，或大于45mm。');
INSERT INTO ApprStandar VALUES ('边梁', '钢结构', '5.6.3-6',
  '实腹梁侧弯矢高大于l0/600，且有发展迹象。');

INSERT INTO ApprStandar VALUES ('次梁', '钢结构', '5.6.3-1',
  '钢构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('次梁', '钢结构', '5.6.3-2',
  '构件或连接件有裂缝或锐角切口；焊缝、螺栓或铆接拉开、变形、滑移、松动或剪坏。');
INSERT INTO ApprStandar VALUES ('次梁', '钢结构', '5.6.3-3',
  '连接方式不当，构造有严重缺陷。');
INSERT INTO ApprStandar VALUES ('次梁', '钢结构', '5.6.3-4',
  '受力构件因锈蚀致截面锈损量大于原截面的10%。');
INSERT INTO ApprStandar VALUES ('次梁', '钢结构', '5.6.3-5',
  '梁、板等构件挠度大于l0/250，或大于45mm。');
INSERT INTO ApprStandar VALUES ('次梁', '钢结构', '5.6.3-6',
  '实腹梁侧弯矢高大于l0/600，且有发展迹象。');

INSERT INTO ApprStandar VALUES ('楼屋面板', '钢结构', '5.6.3-1',
  '钢构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '钢结构', '5.6.3-2',
  '构件或连接件有裂缝或锐角切口；焊缝、螺栓或铆接拉开、变形、滑移、松动或剪坏。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '钢结构', '5.6.3-3',
  '连接方式不当，构造有严重缺陷。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '钢结构', '5.6.3-4',
  '受力构件因锈蚀致截面锈损量大于原截面的10%。');
INSERT INTO ApprStandar VALUES ('楼屋面板', '钢结构', '5.6.3-5',
  '梁、板等构件挠度大于l0/250，或大于45mm。');

INSERT INTO ApprStandar VALUES ('围护构件', '钢结构', '5.6.3-1',
  '钢构件承载力与其作用效应之比φR/(γ0·S)：主要构件小于0.90，一般构件小于0.85。');
INSERT INTO ApprStandar VALUES ('围护构件', '钢结构', '5.6.3-2',
  '构件或连接件有裂缝或锐角切口；焊缝、螺栓或铆接拉开、变形、滑移、松动或剪坏。');
INSERT INTO ApprStandar VALUES ('围护构件', '钢结构', '5.6.3-3',
  '连接方式不当，构造有严重缺陷。');
INSERT INTO ApprStandar VALUES ('围护构件', '钢结构', '5.6.3-4',
  '受力构件因锈蚀致截面锈损量大于原截面的10%。');
INSERT INTO ApprStandar VALUES ('围护构件', '钢结构', '5.6.3-5',
  '梁、板等构件挠度大于l0/250，或大于45mm。');
